<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Acerca de Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Resultado de la autenticación</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autenticación correcta</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Reservados todos los derechos. Este programa está protegido por las leyes de derechos de autor y otros tratados internacionales. La reproducción o distribución no autorizadas de este programa, o de cualquier parte del mismo, pueden dar lugar a graves sanciones civiles y penales.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Número de serie de Vornhold</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Imágenes y vídeos (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Abrir archivo(s)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Procesando</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Quitar archivo(s)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total de archivos</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Versión de desarrollo: este programa lleva la clave de desarrollo, cuya parte privada es pública. Cualquiera puede crear un archivo que el programa considere auténtico. No confíe en sus veredictos para pruebas reales.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Huella digital de la clave pública (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>El archivo es auténtico: su contenido coincide con su marca de agua firmada.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>El archivo se modificó después de exportarse: su contenido ya no coincide con el resumen de su marca de agua.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>No hay ninguna marca de agua válida: el archivo no lo firmó un servidor Vornhold o su marca de agua se ha falsificado.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>El texto de la marca de agua no es una marca de agua de Quorvane.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>No es una exportación JPG, AVI o MP4.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>El archivo es demasiado corto para contener una marca de agua.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>No se ha podido leer el archivo.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>No se ha podido listar el contenido de la carpeta: los archivos que contiene no se han verificado.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Se ha cancelado la verificación.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Advertencia: la marca de agua no abarca ninguna parte del contenido de este archivo, por lo que no garantiza nada de él.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Detalles del archivo</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Resumen (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Origen de la hora</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC de la cámara</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>La firma abarca</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>bytes %1 a %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>%1 bytes protegidos en total</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 del archivo completo</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Verificado el</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Guardar informe…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Informe PDF (*.pdf)</translation>
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
        <translation>No se ha podido escribir el informe en %1: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Informe de verificación</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Generado: %1 (UTC), %2 (hora local)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Programa: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen de resultados</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Archivos: %1, auténticos: %2, con error: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>No se ha podido verificar el archivo: este sistema no ha podido calcular su resumen.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Leyendo el informe…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Caso %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>perito %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Número de caso o referencia</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Datos del caso</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Estos datos se imprimen en el encabezado y en las propiedades del documento del informe PDF. Todos son opcionales.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>Número de &amp;caso o referencia:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Perito:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organización:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Cada archivo que figura en el informe se vuelve a verificar en su ruta y se compara con su entrada. Los archivos de las carpetas siguientes que no figuran en el informe se muestran como movidos (mismo contenido) o nuevos.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Informe:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>E&amp;xaminar…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Buscar archivos movidos y nuevos en:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Carpetas y archivos donde buscar</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Añadir &amp;carpeta…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Añadir &amp;archivos…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>Co&amp;mprobar</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Informes (*.pdf *.csv *.jsonl);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Comprobación de la cadena de custodia</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Informe comprobado</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 del informe comprobado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Informe de comprobación de la cadena de custodia</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>No se ha podido verificar %n archivo: este sistema no ha podido calcular el resumen.</numerusform>
            <numerusform>No se han podido verificar %n archivos: este sistema no ha podido calcular el resumen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Movido</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Archivos: %1, sin cambios: %2, modificados: %3, ausentes: %4, movidos: %5, nuevos: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>La comprobación se detuvo antes de terminar: no se han comparado todas las entradas.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Mismo contenido y resultado que en el informe: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Cambiado desde el informe (%1). Antes: %2. Ahora: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Ya no hay ningún archivo legible en esta ruta. Antes: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>El mismo contenido está ahora en %1. Ahora: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>No figura en el informe. Ahora: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>No se ha podido leer el archivo: otro programa tiene el archivo abierto.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Comprobando (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Carpeta para las rutas relativas</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>&amp;Elegir carpeta…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Las rutas relativas del informe se interpretan &amp;respecto a:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Comprobación de la cadena de custodia…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Rutas relativas interpretadas respecto a</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>La mayoría de los archivos que figuran en el informe no se han encontrado en sus rutas. Las rutas relativas del informe se han interpretado respecto a %1: si el informe se guardó en otra carpeta, vuelva a comprobarlo usando esa carpeta para las rutas relativas.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>No se puede leer el informe: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Esto no es un archivo.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>El informe está vacío.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Esto no es un informe de este programa: no está en su formato JSON Lines ni en su formato CSV.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Esto es el resultado de una comprobación de la cadena de custodia, no un informe: sus líneas no registran los archivos tal como eran. Realice la comprobación con el informe que se comprobó.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>El PDF es demasiado grande para ser un informe de este programa.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Esta versión del programa no puede leer los registros de un informe PDF. Realice la comprobación con el archivo CSV guardado junto al PDF.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>El PDF no contiene registros de este programa.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>No se pueden leer los registros del PDF.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>No se puede leer el PDF: está dañado o no es un PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>El informe ha cambiado durante la comprobación. Vuelva a comprobarlo.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>La línea tiene más de %1 bytes.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>El informe está truncado: su última línea está incompleta.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>La entrada no tiene ruta.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>La entrada es auténtica, pero indica un motivo de error.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>La entrada figura con error, pero no indica ningún motivo.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>El resultado no indica ni autenticidad ni error.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>La entrada no tiene SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>El SHA-256 no consta de 64 dígitos hexadecimales en minúsculas.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>La línea no es un objeto JSON.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>La línea no es una entrada de un informe de este programa: le falta &quot;path&quot;, &quot;result&quot; o &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>El informe no contiene el SHA-256 de sus archivos, por lo que no se pueden comparar los archivos con él. Los informes guardados desde esta ventana siempre lo contienen.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>El SHA-256 no es texto.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>El campo &quot;%1&quot; no es texto.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un campo entre comillas no está cerrado.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Hay texto después de las comillas de cierre.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Un campo sin comillas contiene comillas o un salto de línea.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>La línea tiene %1 campos, pero el encabezado tiene %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>El tamaño no es un número.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>La línea no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>No se puede usar el informe %1.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Mostrar la imagen de cada archivo en su página de detalles</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Imágenes:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Creando las imágenes de los archivos…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Fotograma en %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Creando la vista previa…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Sin vista previa de %1; autenticación correcta</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Sin vista previa de %1; error de autenticación</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Imagen de %1; autenticación correcta</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Imagen de %1; error de autenticación</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Imagen de %1, fotograma en %2; autenticación correcta</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Imagen de %1, fotograma en %2; error de autenticación</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Sin vista previa de este archivo</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>De los bytes firmados</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>De bytes que ninguna firma garantiza</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Sin imagen de los bytes firmados de %1; autenticación correcta</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Sin vista previa de %1: el archivo se modificó después de verificarse; autenticación correcta</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Sin vista previa de %1: el archivo se modificó después de verificarse; error de autenticación</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Sin imagen de los bytes firmados</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Sin vista previa: el archivo se modificó después de verificarse</translation>
    </message>
</context>
</TS>
