<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Acerca do Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Resultado da autenticação</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Falha na autenticação</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autenticação com êxito</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Todos os direitos reservados. Este programa está protegido pelas leis de direitos de autor e por tratados internacionais. A reprodução ou distribuição não autorizada deste programa, ou de qualquer parte do mesmo, poderá resultar em graves sanções civis e penais.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Número de série Vornhold</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Imagens e vídeos (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Abrir ficheiro(s)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>A processar</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Remover ficheiro(s)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Hora de fim</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total de ficheiros</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Versão de desenvolvimento: este programa contém a chave de desenvolvimento, cuja parte privada é pública. Qualquer pessoa pode criar um ficheiro que o programa considere autêntico. Não confie nos seus veredictos para provas reais.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Impressão digital da chave pública (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>O ficheiro é autêntico: o seu conteúdo corresponde à sua marca de água assinada.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>O ficheiro foi alterado depois de exportado: o seu conteúdo já não corresponde ao resumo da sua marca de água.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Nenhuma marca de água válida: o ficheiro não foi assinado por um servidor Vornhold ou a sua marca de água foi falsificada.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>O texto da marca de água não é uma marca de água Quorvane.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Não é uma exportação JPG, AVI ou MP4.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>O ficheiro é demasiado curto para conter uma marca de água.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Não foi possível ler o ficheiro.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Não foi possível listar a pasta: os ficheiros nela contidos não foram verificados.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>A verificação foi cancelada.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Aviso: a marca de água não abrange nenhuma parte do conteúdo deste ficheiro, pelo que não garante nada do mesmo.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Detalhes do ficheiro</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
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
        <translation>Resumo (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Origem da hora</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC da câmara</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>A assinatura abrange</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>bytes %1 a %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>%1 bytes protegidos no total</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 do ficheiro completo</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Verificado em</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Guardar relatório…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Relatório PDF (*.pdf)</translation>
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
        <translation>Não foi possível escrever o relatório em %1: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Relatório de verificação</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Gerado em: %1 (UTC), %2 (hora local)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Programa: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo dos resultados</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Ficheiros: %1, autênticos: %2, com falha: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Não foi possível verificar o ficheiro: este sistema não conseguiu calcular o respetivo resumo.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>A ler o relatório…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Processo %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>perito %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Número de processo ou referência</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organização</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Dados do processo</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Estes dados são impressos no cabeçalho e nas propriedades do documento do relatório PDF. Todos são opcionais.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>Número de &amp;processo ou referência:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>P&amp;erito:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organização:</translation>
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
        <translation>Cada ficheiro indicado no relatório é novamente verificado no respetivo caminho e comparado com a respetiva entrada. Os ficheiros das pastas abaixo que o relatório não indica são apresentados como movidos (mesmo conteúdo) ou novos.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Relatório:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>Pe&amp;squisar ficheiros movidos e novos em:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Pastas e ficheiros a pesquisar</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Adicionar pas&amp;ta…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Adicionar &amp;ficheiros…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Relatórios (*.pdf *.csv *.jsonl);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Verificação da cadeia de custódia</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Relatório verificado</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 do relatório verificado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Relatório de verificação da cadeia de custódia</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>Não foi possível verificar %n ficheiro: este sistema não conseguiu calcular o resumo.</numerusform>
            <numerusform>Não foi possível verificar %n ficheiros: este sistema não conseguiu calcular o resumo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inalterado</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Em falta</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Movido</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Ficheiros: %1, inalterados: %2, modificados: %3, em falta: %4, movidos: %5, novos: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>A verificação foi interrompida antes do fim: nem todas as entradas foram comparadas.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Mesmo conteúdo e resultado que no relatório: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Alterado desde o relatório (%1). Antes: %2. Agora: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Já não existe um ficheiro legível neste caminho. Antes: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>O mesmo conteúdo está agora em %1. Agora: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Não consta do relatório. Agora: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Não foi possível ler o ficheiro: outro programa tem o ficheiro aberto.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>A verificar (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Pasta para os caminhos relativos</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>&amp;Escolher pasta…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Os caminhos relativos do relatório são &amp;interpretados em relação a:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Verificação da cadeia de custódia…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Caminhos relativos interpretados em relação a</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>A maioria dos ficheiros indicados no relatório não foi encontrada nos respetivos caminhos. Os caminhos relativos do relatório foram interpretados em relação a %1: se o relatório foi guardado noutra pasta, verifique novamente com essa pasta para os caminhos relativos.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Não é possível ler o relatório: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Isto não é um ficheiro.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>O relatório está vazio.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Isto não é um relatório deste programa: não é nem o JSON Lines nem o CSV que este produz.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Isto é o resultado de uma verificação da cadeia de custódia, não um relatório: as suas linhas não são um registo dos ficheiros tal como eram. Verifique com base no relatório que foi verificado.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>O PDF é demasiado grande para ser um relatório deste programa.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Esta versão do programa não consegue ler os registos de um relatório PDF. Verifique com base no ficheiro CSV guardado junto ao PDF.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>O PDF não contém registos deste programa.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Não é possível ler os registos do PDF.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>Não é possível ler o PDF: está danificado ou não é um PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>O relatório foi alterado durante a verificação. Verifique novamente.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>A linha tem mais de %1 bytes.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>O relatório está truncado: a sua última linha está incompleta.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>A entrada não tem caminho.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>A entrada é autêntica, mas apresenta um motivo de falha.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>A entrada indica uma falha, mas não apresenta nenhum motivo.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>O resultado não indica nem autenticidade nem falha.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>A entrada não tem SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>O SHA-256 não é composto por 64 dígitos hexadecimais em minúsculas.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>A linha não é um objeto JSON.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>A linha não é uma entrada de um relatório deste programa: falta &quot;path&quot;, &quot;result&quot; ou &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>O relatório não contém o SHA-256 dos seus ficheiros, pelo que não é possível compará-los com ele. Os relatórios guardados por esta janela contêm-no sempre.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>O SHA-256 não é texto.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>O campo &quot;%1&quot; não é texto.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Um campo entre aspas não está fechado.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Há texto depois das aspas de fecho.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Um campo sem aspas contém aspas ou uma quebra de linha.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>A linha tem %1 campos, mas o cabeçalho tem %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>O tamanho não é um número.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>A linha não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Não é possível utilizar o relatório %1.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Mostrar a imagem de cada ficheiro na respetiva página de detalhes</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Imagens:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>A criar as imagens dos ficheiros…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Fotograma em %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>A criar a pré-visualização…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Sem pré-visualização de %1; autenticação com êxito</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Sem pré-visualização de %1; falha na autenticação</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Imagem de %1; autenticação com êxito</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Imagem de %1; falha na autenticação</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Imagem de %1, fotograma em %2; autenticação com êxito</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Imagem de %1, fotograma em %2; falha na autenticação</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Sem pré-visualização deste ficheiro</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Dos bytes assinados</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>De bytes que nenhuma assinatura garante</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Sem imagem dos bytes assinados de %1; autenticação com êxito</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Sem pré-visualização de %1: o ficheiro foi alterado depois da verificação; autenticação com êxito</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Sem pré-visualização de %1: o ficheiro foi alterado depois da verificação; falha na autenticação</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Sem imagem dos bytes assinados</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Sem pré-visualização: o ficheiro foi alterado depois da verificação</translation>
    </message>
</context>
</TS>
