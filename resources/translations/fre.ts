<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>À propos de Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Résultat de l’authentification</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Échec de l’authentification</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Authentification réussie</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Tous droits réservés. Ce programme est protégé par la législation sur le droit d’auteur et par les traités internationaux. Toute reproduction ou distribution non autorisée de ce programme, ou d’une partie de celui-ci, peut entraîner de lourdes sanctions civiles et pénales.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Numéro de série Vornhold</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Images et vidéos (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Traitement de</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Retirer des fichiers</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total des fichiers</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Version de développement&#xa0;: ce programme contient la clé de développement, dont la partie privée est publique. N’importe qui peut créer un fichier que ce programme déclarera authentique. Ne vous fiez pas à ses verdicts pour de véritables preuves.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Empreinte de la clé publique (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Le fichier est authentique&#xa0;: son contenu correspond à son filigrane signé.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Le fichier a été modifié après son exportation&#xa0;: son contenu ne correspond plus au condensé de son filigrane.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Aucun filigrane valide&#xa0;: le fichier n’a pas été signé par un serveur Vornhold, ou son filigrane a été falsifié.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Le texte du filigrane n’est pas un filigrane Quorvane.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Il ne s’agit pas d’une exportation JPG, AVI ou MP4.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Le fichier est trop court pour contenir un filigrane.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Impossible de lister le contenu du dossier&#xa0;: les fichiers qu’il contient n’ont pas été vérifiés.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>La vérification a été annulée.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Avertissement&#xa0;: le filigrane ne couvre aucune partie du contenu de ce fichier, il n’en garantit donc aucune.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Détails du fichier</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marqueur</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Condensé (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Source de l’heure</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC de la caméra</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Portée de la signature</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>octets %1 à %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>%1 octets protégés au total</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 du fichier entier</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Vérifié le</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Enregistrer le rapport…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Rapport PDF (*.pdf)</translation>
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
        <translation>Impossible d’écrire le rapport dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Rapport de vérification</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Généré&#xa0;: %1 (UTC), %2 (heure locale)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Programme&#xa0;: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Fichiers&#xa0;: %1, authentiques&#xa0;: %2, en échec&#xa0;: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Le fichier n’a pas pu être vérifié : ce système n’a pas pu calculer son condensé.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Lecture du rapport…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Dossier %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>analyste %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Numéro de dossier ou référence</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Analyste</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisme</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Informations sur le dossier</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Ces informations figurent dans l’en-tête et dans les propriétés du document du rapport PDF. Toutes sont facultatives.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>&amp;Numéro de dossier ou référence&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Analyste&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organisme&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Remarque&#xa0;:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Chaque fichier répertorié dans le rapport est de nouveau vérifié à son emplacement et comparé à son entrée. Les fichiers des dossiers ci-dessous que le rapport ne répertorie pas sont signalés comme déplacés (même contenu) ou nouveaux.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Rapport&#xa0;:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>Re&amp;chercher les fichiers déplacés et nouveaux dans&#xa0;:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Dossiers et fichiers à parcourir</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Ajouter des &amp;fichiers…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Rapports (*.pdf *.csv *.jsonl);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Contrôle de la chaîne de possession</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Rapport contrôlé</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 du rapport contrôlé</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Rapport de contrôle de la chaîne de possession</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n fichier n’a pas pu être vérifié&#xa0;: ce système n’a pas pu calculer le condensé.</numerusform>
            <numerusform>%n fichiers n’ont pas pu être vérifiés&#xa0;: ce système n’a pas pu calculer le condensé.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Manquant</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Déplacé</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Fichiers&#xa0;: %1, inchangés&#xa0;: %2, modifiés&#xa0;: %3, manquants&#xa0;: %4, déplacés&#xa0;: %5, nouveaux&#xa0;: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>La vérification a été arrêtée avant la fin&#xa0;: certaines entrées n’ont pas été comparées.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Même contenu et même résultat que dans le rapport&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Modifié depuis le rapport (%1). Avant&#xa0;: %2. Maintenant&#xa0;: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Plus aucun fichier lisible à cet emplacement. Avant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Le même contenu se trouve désormais dans %1. Maintenant&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Absent du rapport. Maintenant&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Le fichier n’a pas pu être lu : un autre programme a ouvert le fichier.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Contrôle en cours (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Dossier de référence des chemins relatifs</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>Ch&amp;oisir un dossier…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Les chemins relatifs du rapport sont &amp;interprétés à partir de :</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Contrôle de la chaîne de possession…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Chemins relatifs interprétés à partir de</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>La plupart des fichiers répertoriés dans le rapport n’ont pas été trouvés à leur emplacement. Ses chemins relatifs ont été interprétés à partir de %1 : si le rapport a été enregistré depuis un autre dossier, refaites le contrôle en prenant ce dossier comme dossier de référence des chemins relatifs.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Impossible de lire le rapport : %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Il ne s’agit pas d’un fichier.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Le rapport est vide.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Il ne s’agit pas d’un rapport de ce programme : il n’est ni au format JSON Lines ni au format CSV de ce programme.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Il s’agit du résultat d’un contrôle de la chaîne de possession, et non d’un rapport : ses lignes ne décrivent pas les fichiers tels qu’ils étaient. Effectuez le contrôle avec le rapport qui a été contrôlé.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>Le PDF est trop volumineux pour être un rapport de ce programme.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Cette version du programme ne sait pas lire les enregistrements d’un rapport PDF. Effectuez le contrôle avec le fichier CSV enregistré à côté du PDF.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>Le PDF ne contient aucun enregistrement de ce programme.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Impossible de lire les enregistrements du PDF.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>Impossible de lire le PDF : il est endommagé ou ce n’est pas un PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Le rapport a été modifié pendant son contrôle. Refaites le contrôle.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>La ligne dépasse %1 octets.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Le rapport est tronqué : sa dernière ligne est incomplète.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>L’entrée n’a pas de chemin.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>L’entrée est authentique, mais elle indique une raison d’échec.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>L’entrée est en échec, mais elle n’indique aucune raison.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Le résultat n’est ni authentique ni en échec.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>L’entrée n’a pas de SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>Le SHA-256 ne se compose pas de 64 chiffres hexadécimaux en minuscules.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>La ligne n’est pas un objet JSON.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>La ligne n’est pas une entrée d’un rapport de ce programme : il lui manque &quot;path&quot;, &quot;result&quot; ou &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Le rapport ne contient pas le SHA-256 de ses fichiers : les fichiers ne peuvent donc pas lui être comparés. Les rapports enregistrés depuis cette fenêtre le contiennent toujours.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>Le SHA-256 n’est pas du texte.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>Le champ &quot;%1&quot; n’est pas du texte.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un champ entre guillemets n’est pas fermé.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Du texte suit un guillemet fermant.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Un champ sans guillemets contient un guillemet ou une fin de ligne.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>La ligne compte %1 champs alors que l’en-tête en compte %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>La taille n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>La ligne n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Le rapport %1 ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>A&amp;fficher l’image de chaque fichier sur sa page de détails</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Images&#xa0;:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Création des images des fichiers…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Image à %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Création de l’aperçu…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Aucun aperçu pour %1&#xa0;; authentification réussie</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Aucun aperçu pour %1&#xa0;; échec de l’authentification</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Image de %1&#xa0;; authentification réussie</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Image de %1&#xa0;; échec de l’authentification</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Image de %1 à %2&#xa0;; authentification réussie</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Image de %1 à %2&#xa0;; échec de l’authentification</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Aucun aperçu pour ce fichier</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Issue des octets signés</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Issue d’octets qu’aucune signature ne garantit</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Aucune image issue des octets signés de %1&#xa0;; authentification réussie</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Aucun aperçu pour %1&#xa0;: le fichier a été modifié après sa vérification&#xa0;; authentification réussie</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Aucun aperçu pour %1&#xa0;: le fichier a été modifié après sa vérification&#xa0;; échec de l’authentification</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Aucune image issue des octets signés</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Aucun aperçu&#xa0;: le fichier a été modifié après sa vérification</translation>
    </message>
</context>
</TS>
