<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>О программе Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Результат проверки</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Проверка подлинности не пройдена</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Проверка подлинности пройдена</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Все права защищены. Данная программа защищена законами об авторских правах и международными соглашениями. Незаконное воспроизведение или распространение данной программы или любой её части может повлечь за собой строгую гражданскую и уголовную ответственность.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Серийный номер Vornhold</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Изображения и видео (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Удалить из списка</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Время окончания</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Всего файлов</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Сборка для разработки: программа содержит ключ разработчика, закрытая часть которого общедоступна. Любой может создать файл, который программа признает подлинным. Не полагайтесь на её заключения при работе с настоящими доказательствами.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Отпечаток открытого ключа (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Файл подлинный: его содержимое соответствует подписанному водяному знаку.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Файл был изменён после экспорта: его содержимое больше не соответствует хеш-сумме в водяном знаке.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Нет действительного водяного знака: файл не подписан сервером Vornhold, либо его водяной знак подделан.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Текст водяного знака не является водяным знаком Quorvane.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Это не экспортированный файл JPG, AVI или MP4.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Файл слишком короткий, чтобы содержать водяной знак.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Не удалось прочитать файл.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Не удалось получить список файлов в папке: файлы в ней не проверены.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Проверка отменена.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Внимание: водяной знак не охватывает никакую часть содержимого этого файла, поэтому ничего в нём не подтверждает.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Сведения о файле</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Маркер</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Хеш-сумма (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Источник времени</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC-адрес камеры</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Подпись охватывает</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>байты с %1 по %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>всего защищено байт: %1</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 всего файла</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Время проверки</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Сохранить отчёт…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Отчёт PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines (*.jsonl)</source>
        <translation>JSON Lines (*.jsonl)</translation>
    </message>
    <message>
        <source>The report could not be written to %1: %2</source>
        <translation>Не удалось записать отчёт в %1: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Отчёт о проверке</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Создан: %1 (UTC), %2 (местное время)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Программа: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Файлов: %1, подлинных: %2, не прошедших проверку: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Не удалось проверить файл: эта система не смогла вычислить его хеш-сумму.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Чтение отчёта…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Дело %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>эксперт %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Номер дела или учётный номер</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Организация</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Сведения о деле</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Эти сведения выводятся в заголовке отчёта PDF и в свойствах документа. Все поля необязательны.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>&amp;Номер дела или учётный номер:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Эксперт:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Организация:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Примечание:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Каждый файл, указанный в отчёте, снова проверяется по своему пути и сравнивается со своей записью. Файлы из указанных ниже папок, которых нет в отчёте, отмечаются как перемещённые (то же содержимое) или новые.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Отчёт:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>О&amp;бзор…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Искать перемещённые и новые файлы в:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Папки и файлы для поиска</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Добавить &amp;папку…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Добавить &amp;файлы…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Сверить</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Отчёты (*.pdf *.csv *.jsonl);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Проверка сохранности</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Проверенный отчёт</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 проверенного отчёта</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Отчёт о проверке сохранности</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>Не удалось проверить %n файл: эта система не смогла вычислить хеш-сумму.</numerusform>
            <numerusform>Не удалось проверить %n файла: эта система не смогла вычислить хеш-сумму.</numerusform>
            <numerusform>Не удалось проверить %n файлов: эта система не смогла вычислить хеш-сумму.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Отсутствует</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Перемещён</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Файлов: %1, без изменений: %2, изменённых: %3, отсутствующих: %4, перемещённых: %5, новых: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Сверка остановлена до завершения: сравнены не все записи.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>То же содержимое и тот же результат, что и в отчёте: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Изменён после составления отчёта (%1). Было: %2. Сейчас: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>По этому пути сейчас нет читаемого файла. Было: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>То же содержимое теперь находится в %1. Сейчас: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Нет в отчёте. Сейчас: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Не удалось прочитать файл: файл открыт другой программой.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Сверка (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Папка для относительных путей</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>&amp;Выбрать папку…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Относительные пути в отчёте отсчитываются о&amp;т:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Проверка сохранности…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Относительные пути отсчитывались от</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>Большинство файлов, указанных в отчёте, не найдено по их путям. Относительные пути отчёта отсчитывались от %1: если отчёт был сохранён в другой папке, выполните сверку ещё раз, указав ту папку для относительных путей.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Не удаётся прочитать отчёт: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Это не файл.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Отчёт пуст.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Это не отчёт данной программы: файл не в её формате JSON Lines или CSV.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Это результат проверки сохранности, а не отчёт: его строки не описывают файлы такими, какими они были. Выполните сверку с тем отчётом, который проверялся.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>Этот PDF слишком велик, чтобы быть отчётом данной программы.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Эта версия программы не может прочитать записи отчёта PDF. Выполните сверку с файлом CSV, сохранённым рядом с PDF.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>В PDF нет записей данной программы.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Не удаётся прочитать записи в PDF.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>Не удаётся прочитать PDF: файл повреждён или не является PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Отчёт изменился во время сверки. Выполните сверку ещё раз.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>Длина строки превышает %1 байт.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Отчёт обрезан: его последняя строка неполная.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>В записи нет пути.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>Запись отмечена как подлинная, но в ней указана причина непрохождения проверки.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>Запись отмечена как не прошедшая проверку, но причина не указана.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Результат не указывает ни на подлинность, ни на непрохождение проверки.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>В записи нет SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 не состоит из 64 шестнадцатеричных цифр в нижнем регистре.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>Строка не является объектом JSON.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>Строка не является записью отчёта данной программы: в ней нет &quot;path&quot;, &quot;result&quot; или &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>В отчёте нет SHA-256 файлов, поэтому сравнить с ним файлы невозможно. В отчётах, сохранённых из этого окна, он есть всегда.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256 не является текстом.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>Поле &quot;%1&quot; не является текстом.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Поле в кавычках не закрыто.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>После закрывающей кавычки есть текст.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Поле без кавычек содержит кавычку или конец строки.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>Число полей в строке (%1) не совпадает с числом полей в заголовке (%2).</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>Размер не является числом.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>Строка не является текстом UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Невозможно использовать отчёт %1.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Выводить изображение каждого файла на странице сведений о нём</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Изображения:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Создание изображений файлов…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Кадр в момент %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Создание предпросмотра…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Нет предпросмотра для %1; проверка подлинности пройдена</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Нет предпросмотра для %1; проверка подлинности не пройдена</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Изображение файла %1; проверка подлинности пройдена</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Изображение файла %1; проверка подлинности не пройдена</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Изображение файла %1, кадр в момент %2; проверка подлинности пройдена</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Изображение файла %1, кадр в момент %2; проверка подлинности не пройдена</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Нет предпросмотра для этого файла</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Из подписанных байтов</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Из байтов, которые не подтверждает ни одна подпись</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Нет изображения из подписанных байтов для %1; проверка подлинности пройдена</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Нет предпросмотра для %1: файл изменён после проверки; проверка подлинности пройдена</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Нет предпросмотра для %1: файл изменён после проверки; проверка подлинности не пройдена</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Нет изображения из подписанных байтов</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Нет предпросмотра: файл изменён после проверки</translation>
    </message>
</context>
</TS>
