<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>© 2026 Vantora. All rights reserved.</source>
        <translation>© 2026 Vantora. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Vantora Programming Software</source>
        <translation>Logiciel de programmation Vantora</translation>
    </message>
    <message>
        <source>Software Version: %1</source>
        <translation>Version du logiciel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Product SW Version: %1</source>
        <translation>Version du logiciel de la sonnette&#xa0;: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Web Support</source>
        <translation>Assistance en ligne</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>Assistance par e-mail</translation>
    </message>
</context>
<context>
    <name>ApplicationTitle</name>
    <message>
        <source>Door Bell Programmer</source>
        <translation>Programmateur de sonnette</translation>
    </message>
</context>
<context>
    <name>ButtonFaces</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>PREV</source>
        <translation>PRÉCÉDENT</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>PROGRAMMER</translation>
    </message>
    <message>
        <source>FINISH</source>
        <translation>TERMINER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
</context>
<context>
    <name>CapacityDisplay</name>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation>Taille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Used : %1</source>
        <translation>Utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remaining : %1</source>
        <translation>Restant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Profile On Vantora : %1</source>
        <translation>Profil sur la Vantora&#xa0;: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation>Dernière sonnette&#xa0;: %1</translation>
    </message>
    <message>
        <source>Over by %1</source>
        <translation>Dépassement de %1</translation>
    </message>
    <message>
        <source>No unit seen yet</source>
        <translation>Aucune sonnette vue pour l&apos;instant</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>No profile named &quot;%1&quot; in %2</source>
        <translation>Aucun profil nommé «&#xa0;%1&#xa0;» dans %2</translation>
    </message>
    <message>
        <source>Nothing was sent to the unit.</source>
        <translation>Rien n&apos;a été envoyé à la sonnette.</translation>
    </message>
    <message>
        <source>Did you mean: %1?</source>
        <translation>Vouliez-vous dire&#xa0;: %1&#xa0;?</translation>
    </message>
    <message>
        <source>Did you mean: %1 or %2?</source>
        <translation>Vouliez-vous dire&#xa0;: %1 ou %2&#xa0;?</translation>
    </message>
    <message>
        <source>%1 sounds beyond a full button of %2 are left out, as in the editor</source>
        <translation>%1 sons au-delà des %2 d&apos;un bouton plein sont laissés de côté, comme dans l&apos;éditeur</translation>
    </message>
    <message>
        <source>%1: %2 sound, %3 fit in the unit&apos;s memory</source>
        <translation>%1&#xa0;: %2 son&#xa0;; la mémoire de la sonnette en contient %3</translation>
    </message>
    <message>
        <source>%1: %2 sounds, %3 fit in the unit&apos;s memory</source>
        <translation>%1&#xa0;: %2 sons&#xa0;; la mémoire de la sonnette en contient %3</translation>
    </message>
    <message>
        <source>Does not fit in the unit&apos;s memory: %1 (Btn%2, %3 bytes)</source>
        <translation>Ne tient pas dans la mémoire de la sonnette&#xa0;: %1 (bouton %2, %3 octets)</translation>
    </message>
    <message>
        <source>Programming tool of the Vantora door bell. Without --status, --list,
--program or --support-report it opens its windows, with the editor on the
profile file when one is given. Windows already open take the file and come
to the front instead. When asking for help, attach the file that
--support-report FILE (or Help &gt; Save Support Report) writes.</source>
        <translation>Outil de programmation de la sonnette Vantora. Sans --status, --list,
--program ni --support-report, il ouvre ses fenêtres, avec l&apos;éditeur sur le
fichier de profil s&apos;il est donné. Des fenêtres déjà ouvertes reçoivent alors
le fichier et passent au premier plan. Pour toute demande d&apos;aide, joignez le
fichier qu&apos;écrit --support-report FILE (ou Aide &gt; Enregistrer le rapport
d&apos;assistance).</translation>
    </message>
    <message>
        <source>
Exit status:
  0  success
  1  unexpected error, or the log file or support report cannot be written
  2  usage: unknown option, missing value, stray argument, --program given
     twice, --verify neither full nor quick;
     or no display to open the windows on
  3  profile not found, unreadable or not a profile file
  4  a sound file of the profile is missing or not an MP3 or WAV sound
     (nothing is sent)
  5  programmer not found, or in use by another program for 30 seconds
  6  unit not connected: the programmer is there, the unit does not answer
  7  nothing fits: no sound of the profile fits into the unit, or it has none
  8  writing or verifying failed
  9  written and verified, but sounds were left out: they did not fit
 64  options that do not go together: --verify without --program, --json
     without --status or --list, --program with --list
130  stopped by Ctrl+C: the unit holds an incomplete profile
</source>
        <translation>
Codes de sortie&#xa0;:
  0  succès
  1  erreur inattendue, ou le journal ou le rapport d&apos;assistance ne peut pas
     être écrit
  2  utilisation&#xa0;: option inconnue, valeur manquante, argument en trop,
     --program donné deux fois, --verify ni full ni quick&#xa0;;
     ou aucun affichage sur lequel ouvrir les fenêtres
  3  profil introuvable, illisible ou qui n&apos;est pas un fichier de profil
  4  un fichier son du profil manque ou n&apos;est pas un son MP3 ou WAV
     (rien n&apos;est envoyé)
  5  programmateur introuvable, ou utilisé par un autre programme pendant
     30 secondes
  6  sonnette non connectée&#xa0;: le programmateur est là, la sonnette ne répond
     pas
  7  rien ne tient&#xa0;: aucun son du profil ne tient dans la sonnette, ou le
     profil n&apos;en a aucun
  8  l&apos;écriture ou la vérification a échoué
  9  écrit et vérifié, mais des sons ont été laissés de côté&#xa0;: ils ne
     tenaient pas
 64  options qui ne vont pas ensemble&#xa0;: --verify sans --program, --json
     sans --status ni --list, --program avec --list
130  arrêté par Ctrl+C&#xa0;: la sonnette contient un profil incomplet
</translation>
    </message>
    <message>
        <source>Probe the unit once and print what the programmer sees: programmer, unit, memories, buttons, firmware and the profile on the unit.</source>
        <translation>Interroge la sonnette une fois et affiche ce que voit le programmateur&#xa0;: programmateur, sonnette, mémoires, boutons, micrologiciel et profil sur la sonnette.</translation>
    </message>
    <message>
        <source>List the profiles: number, name, sounds and bytes; * marks the profile on the unit.</source>
        <translation>Liste les profils&#xa0;: numéro, nom, sons et octets&#xa0;; * marque le profil sur la sonnette.</translation>
    </message>
    <message>
        <source>Write the profile &lt;name&gt; into the unit and verify it. With --status as well, it reports the unit as it is afterwards.</source>
        <translation>Écrit le profil &lt;name&gt; dans la sonnette et le vérifie. Avec --status en plus, indique ensuite l&apos;état de la sonnette.</translation>
    </message>
    <message>
        <source>How much of each sound --program reads back and compares: full, every byte (the default; 1.5 to 2 times as long as writing), or quick, the first KiB of each.</source>
        <translation>Ce que --program relit et compare de chaque son&#xa0;: full, chaque octet (par défaut&#xa0;; 1,5 à 2 fois la durée de l&apos;écriture), ou quick, le premier Kio de chacun.</translation>
    </message>
    <message>
        <source>Use the built-in simulated unit instead of a real programmer, at the pace of a real cable.</source>
        <translation>Utilise la sonnette simulée intégrée au lieu d&apos;un vrai programmateur, au rythme d&apos;un vrai câble.</translation>
    </message>
    <message>
        <source>Print --status and --list as one JSON object; other messages go to standard error.</source>
        <translation>Affiche --status et --list sous la forme d&apos;un seul objet JSON&#xa0;; les autres messages vont sur la sortie d&apos;erreur standard.</translation>
    </message>
    <message>
        <source>Probe the unit and write a support report into &lt;file&gt;: versions, programmer, unit, settings and the log of the last runs, with no song data and the home folder shown as ~. Attach it when asking for help.</source>
        <translation>Interroge la sonnette et écrit un rapport d&apos;assistance dans &lt;file&gt;&#xa0;: versions, programmateur, sonnette, réglages et journal des dernières exécutions, sans aucune donnée de son et avec le dossier personnel affiché sous la forme ~. Joignez-le à votre demande d&apos;aide.</translation>
    </message>
    <message>
        <source>Show the log on standard error: every command sent to the programmer and its answer, the probes and the runs. Standard output stays as it is.</source>
        <translation>Affiche le journal sur la sortie d&apos;erreur standard&#xa0;: chaque commande envoyée au programmateur et sa réponse, les interrogations et les programmations. La sortie standard reste inchangée.</translation>
    </message>
    <message>
        <source>Write the same log into &lt;file&gt; (begun afresh).</source>
        <translation>Écrit le même journal dans &lt;file&gt; (recommencé à zéro).</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>A profile file (.qvt) to open in the editor. A file outside the Profiles folder is copied into it first; a profile of the same name with other content is replaced only when you say so.</source>
        <translation>Un fichier de profil (.qvt) à ouvrir dans l&apos;éditeur. Un fichier situé hors du dossier Profiles y est d&apos;abord copié&#xa0;; un profil du même nom au contenu différent n&apos;est remplacé que si vous le confirmez.</translation>
    </message>
    <message>
        <source>--verify goes with --program.</source>
        <translation>--verify va avec --program.</translation>
    </message>
    <message>
        <source>--json goes with --status or --list.</source>
        <translation>--json va avec --status ou --list.</translation>
    </message>
    <message>
        <source>--program and --list do not go together: list the profiles on their own.</source>
        <translation>--program et --list ne vont pas ensemble&#xa0;: listez les profils séparément.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos; (a name with blanks needs quotes).</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;» (un nom contenant des espaces doit être entre guillemets).</translation>
    </message>
    <message>
        <source>--program takes one profile at a time.</source>
        <translation>--program ne prend qu&apos;un profil à la fois.</translation>
    </message>
    <message>
        <source>--support-report needs the name of the file to write.</source>
        <translation>--support-report demande le nom du fichier à écrire.</translation>
    </message>
    <message>
        <source>--log-file needs the name of the file to write.</source>
        <translation>--log-file demande le nom du fichier à écrire.</translation>
    </message>
    <message>
        <source>--verify takes full or quick, not &apos;%1&apos;.</source>
        <translation>--verify prend full ou quick, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Try &apos;vantora-programmer --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;vantora-programmer --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>not a profile</source>
        <translation>pas un profil</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>old format</source>
        <translation>ancien format</translation>
    </message>
    <message>
        <source>%1 sound missing</source>
        <translation>%1 son manquant</translation>
    </message>
    <message>
        <source>%1 sounds missing</source>
        <translation>%1 sons manquants</translation>
    </message>
    <message>
        <source>No profiles in %1</source>
        <translation>Aucun profil dans %1</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Profile On Vantora</source>
        <translation>Profil sur la Vantora</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>%1 of %2 MiB  %3 left</source>
        <translation>%1 sur %2 Mio  reste %3</translation>
    </message>
    <message>
        <source>The support report could not be written to %1: %2</source>
        <translation>Le rapport d&apos;assistance n&apos;a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Support report written to %1: attach it when you ask for help.</source>
        <translation>Rapport d&apos;assistance écrit dans %1&#xa0;: joignez-le à votre demande d&apos;aide.</translation>
    </message>
    <message>
        <source>Programmer: %1</source>
        <translation>Programmateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unit: Disconnected</source>
        <translation>Sonnette&#xa0;: déconnectée</translation>
    </message>
    <message>
        <source>Unit: Connected</source>
        <translation>Sonnette&#xa0;: connectée</translation>
    </message>
    <message>
        <source>Memory %1: device code %2, %3 bytes, profile number %4</source>
        <translation>Mémoire %1&#xa0;: code de composant %2, %3 octets, numéro de profil %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation>Taille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Buttons: %1</source>
        <translation>Boutons&#xa0;: %1</translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation>Micrologiciel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Profile On Vantora : %1</source>
        <translation>Profil sur la Vantora&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1&#xa0;: %2&#xa0;%</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>No display found. The command line works without one: see vantora-programmer --help.</source>
        <translation>Aucun affichage trouvé. La ligne de commande fonctionne sans&#xa0;: voir vantora-programmer --help.</translation>
    </message>
</context>
<context>
    <name>EditorHelpMenu</name>
    <message>
        <source>Sound editing instructions could not be found</source>
        <translation>Les instructions de modification des sons sont introuvables</translation>
    </message>
    <message>
        <source>Adding &amp;Sounds</source>
        <translation>A&amp;jout de sons</translation>
    </message>
    <message>
        <source>Remo&amp;ving Sounds</source>
        <translation>&amp;Retrait de sons</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profils</translation>
    </message>
    <message>
        <source>Previous &amp;Button</source>
        <translation>Bouton Pré&amp;cédent</translation>
    </message>
    <message>
        <source>&amp;Next Button</source>
        <translation>Bouton Sui&amp;vant</translation>
    </message>
    <message>
        <source>Pro&amp;gress Bar</source>
        <translation>&amp;Barre de capacité</translation>
    </message>
    <message>
        <source>Sound &amp;List</source>
        <translation>&amp;Liste des sons</translation>
    </message>
    <message>
        <source>Edit Sounds and Make &amp;Them Fit</source>
        <translation>Mo&amp;difier et ajuster les sons</translation>
    </message>
</context>
<context>
    <name>FitPlanText</name>
    <message>
        <source>it is larger than each of the unit&apos;s memories</source>
        <translation>il est plus grand que chacune des mémoires de la sonnette</translation>
    </message>
    <message>
        <source>it fits as it is, and smaller it makes room for &quot;%1&quot;</source>
        <translation>il tient tel quel, et plus petit il fait de la place pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1: %2, mono, %3 kbit/s, %4 → %5 bytes (%6)</source>
        <translation>%1&#xa0;: %2, mono, %3 kbit/s, %4 → %5 octets (%6)</translation>
    </message>
    <message>
        <source>The other sound stays as it is.

</source>
        <translation>L&apos;autre son reste tel quel.

</translation>
    </message>
    <message>
        <source>The other %1 sounds stay as they are.

</source>
        <translation>Les %1 autres sons restent tels quels.

</translation>
    </message>
    <message>
        <source>To fit the unit, this sound gets a new file beside the original, which stays as it is:

</source>
        <translation>Pour tenir dans la sonnette, ce son reçoit un nouveau fichier à côté de l&apos;original, qui reste tel quel&#xa0;:

</translation>
    </message>
    <message>
        <source>To fit the unit, these sounds get new files beside the originals, which stay as they are:

</source>
        <translation>Pour tenir dans la sonnette, ces sons reçoivent de nouveaux fichiers à côté des originaux, qui restent tels quels&#xa0;:

</translation>
    </message>
    <message>
        <source>
Changing this one sound is enough, and %1 kbit/s is the highest bit rate at which it fits.
</source>
        <translation>
Modifier ce seul son suffit, et %1 kbit/s est le débit le plus élevé auquel il tient.
</translation>
    </message>
    <message>
        <source>
No plan that changes fewer sounds fits, and %1 kbit/s is the highest bit rate at which these fit.
</source>
        <translation>
Aucun plan qui modifie moins de sons ne tient, et %1 kbit/s est le débit le plus élevé auquel ces sons tiennent.
</translation>
    </message>
    <message>
        <source>Write the new file and put it in the list?</source>
        <translation>Écrire le nouveau fichier et le mettre dans la liste&#xa0;?</translation>
    </message>
    <message>
        <source>Write the new files and put them in the lists?</source>
        <translation>Écrire les nouveaux fichiers et les mettre dans les listes&#xa0;?</translation>
    </message>
    <message>
        <source>The profile cannot fit the unit, even with its sounds at %1 kbit/s mono: &quot;%2&quot; does not fit, and it cannot be read as an MP3 or WAV sound to make it smaller.</source>
        <translation>Le profil ne peut pas tenir dans la sonnette, même avec ses sons à %1 kbit/s mono&#xa0;: «&#xa0;%2&#xa0;» ne tient pas, et il ne peut pas être lu comme son MP3 ou WAV pour être rendu plus petit.</translation>
    </message>
    <message>
        <source>The profile cannot fit the unit, even with its sounds at %1 kbit/s mono: &quot;%2&quot; does not fit. Keep fewer seconds of each sound, or remove sounds.</source>
        <translation>Le profil ne peut pas tenir dans la sonnette, même avec ses sons à %1 kbit/s mono&#xa0;: «&#xa0;%2&#xa0;» ne tient pas. Gardez moins de secondes de chaque son, ou retirez des sons.</translation>
    </message>
    <message>
        <source>it is left out: sounds go into the unit in their order, and &quot;%1&quot; before it fits in no memory</source>
        <translation>il est laissé de côté&#xa0;: les sons entrent dans la sonnette dans leur ordre, et «&#xa0;%1&#xa0;» avant lui ne tient dans aucune mémoire</translation>
    </message>
    <message>
        <source>it is left out: the sounds before it fill the unit&apos;s memories (&quot;%1&quot; was the first that did not fit)</source>
        <translation>il est laissé de côté&#xa0;: les sons qui le précèdent remplissent les mémoires de la sonnette («&#xa0;%1&#xa0;» est le premier qui n&apos;a pas tenu)</translation>
    </message>
    <message>
        <source>it does not fit: the sounds before it leave too little room in the unit&apos;s memories</source>
        <translation>il ne tient pas&#xa0;: les sons qui le précèdent laissent trop peu de place dans les mémoires de la sonnette</translation>
    </message>
</context>
<context>
    <name>HelpPane</name>
    <message>
        <source>&lt;p&gt;The help page %1 cannot be found in %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La page d&apos;aide %1 est introuvable dans %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Back to the help page before (Alt+Left)</source>
        <translation>Retour à la page d&apos;aide précédente (Alt+Flèche gauche)</translation>
    </message>
</context>
<context>
    <name>MakeItFit</name>
    <message>
        <source>Make It Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>No unit seen yet: Make It Fit fits a profile to the unit&apos;s memories</source>
        <translation>Aucune sonnette vue pour l&apos;instant&#xa0;: Ajuster adapte un profil aux mémoires de la sonnette</translation>
    </message>
    <message>
        <source>Every sound fits the unit already</source>
        <translation>Tous les sons tiennent déjà dans la sonnette</translation>
    </message>
    <message>
        <source>Keep at most how many seconds of each sound that is changed, from its start?
Leave it empty to keep whole sounds.</source>
        <translation>Combien de secondes garder au plus de chaque son modifié, depuis son début&#xa0;?
Laissez vide pour garder les sons entiers.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of seconds above 0.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre de secondes supérieur à 0.</translation>
    </message>
    <message>
        <source>Reading the sounds…</source>
        <translation>Lecture des sons…</translation>
    </message>
    <message>
        <source>Make It Fit was cancelled: the lists are as they were</source>
        <translation>Ajuster a été annulé&#xa0;: les listes sont inchangées</translation>
    </message>
    <message>
        <source>Writing the new sound…</source>
        <translation>Écriture du nouveau son…</translation>
    </message>
    <message>
        <source>Writing %1 new sounds…</source>
        <translation>Écriture de %1 nouveaux sons…</translation>
    </message>
    <message>
        <source>The new sounds could not be written: %1
The lists are as they were.</source>
        <translation>Les nouveaux sons n&apos;ont pas pu être écrits&#xa0;: %1
Les listes sont inchangées.</translation>
    </message>
    <message>
        <source>The lists changed meanwhile: Make It Fit replaced nothing</source>
        <translation>Les listes ont changé entre-temps&#xa0;: Ajuster n&apos;a rien remplacé</translation>
    </message>
</context>
<context>
    <name>NextChecks</name>
    <message>
        <source>The new profile has unsaved changes.</source>
        <translation>Le nouveau profil a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Profile %1 has unsaved changes.</source>
        <translation>Le profil %1 a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Save and Program</source>
        <translation>Enregistrer et programmer</translation>
    </message>
    <message>
        <source>Program Without Saving</source>
        <translation>Programmer sans enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>No program is installed to open %1.</source>
        <translation>Aucun programme installé ne peut ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>ProfileChoice</name>
    <message>
        <source>Select Profile :</source>
        <translation>Choisir un profil&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profils</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Retrieve &amp;Backup</source>
        <translation>&amp;Restaurer la sauvegarde</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Su&amp;pprimer</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Create Song Profile</source>
        <translation>Créer un profil de sonnerie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Create Song Profile - %1</source>
        <translation>Créer un profil de sonnerie - %1</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Profile %1 cannot be read.</source>
        <translation>Le profil %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is not a profile file.</source>
        <translation>%1 n&apos;est pas un fichier de profil.</translation>
    </message>
    <message>
        <source>The file : %1 does not exist or has been moved.</source>
        <translation>Le fichier %1 n&apos;existe pas ou a été déplacé.</translation>
    </message>
    <message>
        <source>File Does Not Exist</source>
        <translation>Fichier inexistant</translation>
    </message>
    <message>
        <source>Find It…</source>
        <translation>Rechercher…</translation>
    </message>
    <message>
        <source>Remove From List</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Find MP3 File</source>
        <translation>Rechercher le fichier MP3</translation>
    </message>
    <message>
        <source>Profile created</source>
        <translation>Profil créé</translation>
    </message>
    <message>
        <source>Load Profile</source>
        <translation>Charger un profil</translation>
    </message>
    <message>
        <source>Profiles (*.qvt)</source>
        <translation>Profils (*.qvt)</translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation>Nom de profil non valide</translation>
    </message>
    <message>
        <source>Do you want to permanently delete the profile named %1?</source>
        <translation>Voulez-vous supprimer définitivement le profil %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Supprimer le profil</translation>
    </message>
    <message>
        <source>Deletion canceled.</source>
        <translation>Suppression annulée.</translation>
    </message>
    <message>
        <source>ERROR deleting profile %1.</source>
        <translation>ERREUR lors de la suppression du profil %1.</translation>
    </message>
    <message>
        <source>Profile %1 deleted.</source>
        <translation>Profil %1 supprimé.</translation>
    </message>
    <message>
        <source>ERROR saving profile %1.</source>
        <translation>ERREUR lors de l&apos;enregistrement du profil %1.</translation>
    </message>
    <message>
        <source>Stop Loading</source>
        <translation>Arrêter le chargement</translation>
    </message>
    <message>
        <source>Old list: %1 sounds left out, kept in %2.BAK</source>
        <translation>Ancienne liste&#xa0;: %1 sons laissés de côté, conservés dans %2.BAK</translation>
    </message>
    <message>
        <source>Loading stopped: %1 sounds not found</source>
        <translation>Chargement arrêté&#xa0;: %1 sons introuvables</translation>
    </message>
    <message>
        <source>%1 sounds found in %2</source>
        <translation>%1 sons trouvés dans %2</translation>
    </message>
    <message>
        <source>Cannot save profile with out a name</source>
        <translation>Impossible d&apos;enregistrer un profil sans nom</translation>
    </message>
    <message>
        <source>Profile saved</source>
        <translation>Profil enregistré</translation>
    </message>
    <message>
        <source>Save changes to a new profile?</source>
        <translation>Enregistrer les modifications dans un nouveau profil&#xa0;?</translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation>Enregistrer les modifications du profil %1&#xa0;?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Create profile name...</source>
        <translation>Nom du nouveau profil...</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>You have exceeded the maximum number of profiles (65278). Cancelling new profile.</source>
        <translation>Vous avez dépassé le nombre maximal de profils (65278). Le nouveau profil est annulé.</translation>
    </message>
    <message>
        <source>Maximum Number Of Profiles</source>
        <translation>Nombre maximal de profils</translation>
    </message>
    <message>
        <source>Profile %1 already exists. Replace it?</source>
        <translation>Le profil %1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Cancelled new profile</source>
        <translation>Nouveau profil annulé</translation>
    </message>
    <message>
        <source>Profile with the same name already exists</source>
        <translation>Un profil du même nom existe déjà</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.wav)</source>
        <translation>Fichiers son (*.mp3 *.wav)</translation>
    </message>
    <message>
        <source>MP3 files (*.mp3)</source>
        <translation>Fichiers MP3 (*.mp3)</translation>
    </message>
    <message>
        <source> Wav files (*.wav)</source>
        <translation> Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>Find Missing Sounds</source>
        <translation>Retrouver les sons manquants</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>ProgrammingPage</name>
    <message>
        <source>Program Vantora</source>
        <translation>Programmer la Vantora</translation>
    </message>
    <message>
        <source>Song</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Btn</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>Verify every byte</source>
        <translation>Vérifier chaque octet</translation>
    </message>
    <message>
        <source>Programming is in progress. Stop it? The unit will hold an incomplete profile.</source>
        <translation>La programmation est en cours. L&apos;arrêter&#xa0;? La sonnette contiendra un profil incomplet.</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message>
        <source>No Songs To Program</source>
        <translation>Aucun son à programmer</translation>
    </message>
    <message>
        <source>Song Is Too Large</source>
        <translation>Son trop grand</translation>
    </message>
    <message>
        <source>Make sure the unit is connected to a USB Port.</source>
        <translation>Vérifiez que la sonnette est branchée sur un port USB.</translation>
    </message>
    <message>
        <source>Stopped: the unit holds an incomplete profile. Program it again.</source>
        <translation>Arrêté&#xa0;: la sonnette contient un profil incomplet. Programmez-la à nouveau.</translation>
    </message>
    <message>
        <source>ERROR %1.</source>
        <translation>ERREUR %1.</translation>
    </message>
    <message>
        <source>These files are not MP3 or WAV sounds: %1</source>
        <translation>Ces fichiers ne sont pas des sons MP3 ou WAV&#xa0;: %1</translation>
    </message>
    <message>
        <source>Success! %1 seconds (1 sound did not fit and was not written)</source>
        <translation>Succès&#xa0;! %1 secondes (1 son ne tenait pas et n&apos;a pas été écrit)</translation>
    </message>
    <message>
        <source>Success! %1 seconds (%2 sounds did not fit and were not written)</source>
        <translation>Succès&#xa0;! %1 secondes (%2 sons ne tenaient pas et n&apos;ont pas été écrits)</translation>
    </message>
    <message>
        <source>Success! %1 seconds</source>
        <translation>Succès&#xa0;! %1 secondes</translation>
    </message>
    <message>
        <source>%1 has no sound on the unit</source>
        <translation>%1 n&apos;a aucun son sur la sonnette</translation>
    </message>
    <message>
        <source>%1 and %2 have no sound on the unit</source>
        <translation>%1 et %2 n&apos;ont aucun son sur la sonnette</translation>
    </message>
    <message>
        <source>Btn%1 · %2 differs from its file at byte %3</source>
        <translation>Bouton %1 · %2 diffère de son fichier à l&apos;octet %3</translation>
    </message>
    <message>
        <source>Btn%1 · %2 could not be read: it is missing, unreadable, or no longer %3 bytes</source>
        <translation>Bouton %1 · %2 n&apos;a pas pu être lu&#xa0;: il est absent, illisible ou ne fait plus %3 octets</translation>
    </message>
    <message>
        <source>Programmer Ready</source>
        <translation>Programmateur prêt</translation>
    </message>
    <message>
        <source>Programmer Not Found</source>
        <translation>Programmateur introuvable</translation>
    </message>
    <message>
        <source>Programmer In Use</source>
        <translation>Programmateur occupé</translation>
    </message>
    <message>
        <source>Vantora Must Be Connected</source>
        <translation>La Vantora doit être connectée</translation>
    </message>
    <message>
        <source>Waiting for the programmer (in use by another program)…</source>
        <translation>Attente du programmateur (utilisé par un autre programme)…</translation>
    </message>
    <message>
        <source>Programmer in use by another program</source>
        <translation>Programmateur utilisé par un autre programme</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Écriture…</translation>
    </message>
    <message>
        <source>Verifying…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (non enregistré)</translation>
    </message>
    <message>
        <source>Btn%1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <source>Does not fit: each sound must fit into one memory of the unit (the largest holds %1 bytes).</source>
        <translation>Ne tient pas&#xa0;: chaque son doit tenir dans une seule mémoire de la sonnette (la plus grande contient %1 octets).</translation>
    </message>
    <message>
        <source>Does not fit: each of the unit&apos;s memories holds at most %1 sounds, and the sounds before it fill them.</source>
        <translation>Ne tient pas&#xa0;: chaque mémoire de la sonnette contient au plus %1 sons, et les sons qui le précèdent les remplissent.</translation>
    </message>
    <message>
        <source>Does not fit: the sounds before it leave too little room in the unit&apos;s memories.</source>
        <translation>Ne tient pas&#xa0;: les sons qui le précèdent laissent trop peu de place dans les mémoires de la sonnette.</translation>
    </message>
    <message>
        <source>Left out: sounds go into the unit in their order, and one before it fits in no memory (%1 was the first that did not fit).</source>
        <translation>Laissé de côté&#xa0;: les sons entrent dans la sonnette dans leur ordre, et un son avant lui ne tient dans aucune mémoire (%1 est le premier qui n&apos;a pas tenu).</translation>
    </message>
    <message>
        <source>Left out: the sounds before it fill the unit&apos;s memories (%1 was the first that did not fit).</source>
        <translation>Laissé de côté&#xa0;: les sons qui le précèdent remplissent les mémoires de la sonnette (%1 est le premier qui n&apos;a pas tenu).</translation>
    </message>
</context>
<context>
    <name>SharedHelpEntries</name>
    <message>
        <source>Save S&amp;upport Report…</source>
        <translation>Enregistrer le rapport d&apos;a&amp;ssistance…</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>Manual could not be found</source>
        <translation>Le manuel est introuvable</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Acquire Sounds from the &amp;Internet</source>
        <translation>&amp;Trouver des sons sur Internet</translation>
    </message>
    <message>
        <source>&amp;Driver Installation</source>
        <translation>&amp;Installation du pilote</translation>
    </message>
    <message>
        <source>Driver installation instructions could not be found</source>
        <translation>Les instructions d&apos;installation du pilote sont introuvables</translation>
    </message>
    <message>
        <source>&amp;Record Sounds</source>
        <translation>E&amp;nregistrer des sons</translation>
    </message>
    <message>
        <source>Sound recording instructions could not be found</source>
        <translation>Les instructions d&apos;enregistrement des sons sont introuvables</translation>
    </message>
    <message>
        <source>Rip, &amp;Edit, Convert Sounds</source>
        <translation>E&amp;xtraire, modifier, convertir des sons</translation>
    </message>
</context>
<context>
    <name>SoundEditDialog</name>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Edit Sound - %1</source>
        <translation>Modifier le son - %1</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>Plays the selection from the start marker, as saved</source>
        <translation>Joue la sélection à partir du repère de début, telle qu&apos;elle sera enregistrée</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation>Égaliser le volume sonore</translation>
    </message>
    <message>
        <source>MP3 (constant bit rate)</source>
        <translation>MP3 (débit constant)</translation>
    </message>
    <message>
        <source>WAV 16-bit PCM</source>
        <translation>WAV PCM 16 bits</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Fade &amp;in :</source>
        <translation>Fondu d&apos;&amp;entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Fade &amp;out :</source>
        <translation>Fondu de s&amp;ortie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Write as :</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Bit rate :</source>
        <translation>&amp;Débit&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>En&amp;registrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Selection : %1, from %2 to %3</source>
        <translation>Sélection&#xa0;: %1, de %2 à %3</translation>
    </message>
    <message>
        <source>New file : about %1 bytes</source>
        <translation>Nouveau fichier&#xa0;: environ %1 octets</translation>
    </message>
    <message>
        <source>, larger than the original (%1 bytes)</source>
        <translation>, plus grand que l&apos;original (%1 octets)</translation>
    </message>
    <message>
        <source>Reading the sound...</source>
        <translation>Lecture du son...</translation>
    </message>
    <message>
        <source>The sound cannot be read: it does not open as an MP3 or WAV sound</source>
        <translation>Le son ne peut pas être lu&#xa0;: il ne s&apos;ouvre pas comme son MP3 ou WAV</translation>
    </message>
    <message>
        <source>The waveform cannot be shown: %1</source>
        <translation>La forme d&apos;onde ne peut pas être affichée&#xa0;: %1</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>The edited sound could not be written: %1</source>
        <translation>Le son modifié n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SoundEditing</name>
    <message>
        <source>%1: nothing to keep between the marks</source>
        <translation>%1&#xa0;: rien à garder entre les repères</translation>
    </message>
    <message>
        <source>the loudness could not be measured</source>
        <translation>le volume sonore n&apos;a pas pu être mesuré</translation>
    </message>
    <message>
        <source>%1: too many edited copies</source>
        <translation>%1&#xa0;: trop de copies modifiées</translation>
    </message>
    <message>
        <source>a sound of %1 Hz cannot be converted to %2 Hz</source>
        <translation>un son à %1 Hz ne peut pas être converti en %2 Hz</translation>
    </message>
</context>
<context>
    <name>SoundListCommands</name>
    <message>
        <source>&amp;Add Songs</source>
        <translation>&amp;Ajouter des sons</translation>
    </message>
    <message>
        <source>&amp;Remove Songs</source>
        <translation>&amp;Retirer des sons</translation>
    </message>
    <message>
        <source>&amp;Add Sounds</source>
        <translation>Ajouter des &amp;sons</translation>
    </message>
    <message>
        <source>&amp;Remove Sounds</source>
        <translation>&amp;Retirer des sons</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tous</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>&amp;Sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Buttons</source>
        <translation>&amp;Boutons</translation>
    </message>
    <message>
        <source>&amp;Add Button</source>
        <translation>&amp;Ajouter un bouton</translation>
    </message>
    <message>
        <source>&amp;Remove Button</source>
        <translation>&amp;Retirer un bouton</translation>
    </message>
    <message>
        <source>%1 is larger than the unit&apos;s memory</source>
        <translation>%1 est plus grand que la mémoire de la sonnette</translation>
    </message>
    <message>
        <source>These files are not MP3 or WAV sounds: %1</source>
        <translation>Ces fichiers ne sont pas des sons MP3 ou WAV&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select MP3 File(s)</source>
        <translation>Choisir des fichiers MP3</translation>
    </message>
    <message>
        <source>Tick or select the sounds to remove</source>
        <translation>Cochez ou sélectionnez les sons à retirer</translation>
    </message>
    <message>
        <source>Remove 1 sound from every button?</source>
        <translation>Retirer 1 son de tous les boutons&#xa0;?</translation>
    </message>
    <message>
        <source>Remove all %1 sounds from every button?</source>
        <translation>Retirer les %1 sons de tous les boutons&#xa0;?</translation>
    </message>
    <message>
        <source>1 sound removed</source>
        <translation>1 son retiré</translation>
    </message>
    <message>
        <source>%1 sounds removed</source>
        <translation>%1 sons retirés</translation>
    </message>
    <message>
        <source>%1 is already on Btn%2: not added.</source>
        <translation>%1 est déjà sur le bouton %2&#xa0;: non ajouté.</translation>
    </message>
    <message>
        <source>%1 are already on Btn%2: not added.</source>
        <translation>%1 sont déjà sur le bouton %2&#xa0;: non ajoutés.</translation>
    </message>
    <message>
        <source>1 sound was not added: a button holds at most %1 sounds.</source>
        <translation>1 son n&apos;a pas été ajouté&#xa0;: un bouton contient au plus %1 sons.</translation>
    </message>
    <message>
        <source>%1 sounds were not added: a button holds at most %2 sounds.</source>
        <translation>%1 sons n&apos;ont pas été ajoutés&#xa0;: un bouton contient au plus %2 sons.</translation>
    </message>
</context>
<context>
    <name>SoundListModel</name>
    <message>
        <source>Length : %1 seconds, %2 Hz, 1 channel</source>
        <translation>Durée&#xa0;: %1 secondes, %2 Hz, 1 canal</translation>
    </message>
    <message>
        <source>Length : %1 seconds, %2 Hz, %3 channels</source>
        <translation>Durée&#xa0;: %1 secondes, %2 Hz, %3 canaux</translation>
    </message>
    <message>
        <source>Name : %1
Path : %2
</source>
        <translation>Nom&#xa0;: %1
Chemin&#xa0;: %2
</translation>
    </message>
    <message>
        <source>Double Click To Play.</source>
        <translation>Double-cliquez pour écouter.</translation>
    </message>
    <message>
        <source>Not an MP3 or WAV sound</source>
        <translation>Pas un son MP3 ou WAV</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>SoundLists</name>
    <message>
        <source>Btn%1</source>
        <translation>B%1</translation>
    </message>
    <message>
        <source>Listing of the songs to be downloaded</source>
        <translation>Liste des sons à programmer dans la sonnette</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>No sound output is available</source>
        <translation>Aucune sortie audio n&apos;est disponible</translation>
    </message>
</context>
<context>
    <name>SoundTools</name>
    <message>
        <source>1 sound</source>
        <translation>1 son</translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation>%1 sons</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>Edit &amp;Sound…</source>
        <translation>&amp;Modifier le son…</translation>
    </message>
    <message>
        <source>&amp;Edit Sound…</source>
        <translation>&amp;Modifier le son…</translation>
    </message>
    <message>
        <source>&amp;Make It Fit…</source>
        <translation>A&amp;juster…</translation>
    </message>
    <message>
        <source>Select the sound to play</source>
        <translation>Sélectionnez le son à écouter</translation>
    </message>
    <message>
        <source>Select the sound to edit</source>
        <translation>Sélectionnez le son à modifier</translation>
    </message>
    <message>
        <source>%1 cannot be edited: it does not open as an MP3 or WAV sound</source>
        <translation>%1 ne peut pas être modifié&#xa0;: il ne s&apos;ouvre pas comme son MP3 ou WAV</translation>
    </message>
    <message>
        <source>No unit seen yet: whether the profile fits shows once one is</source>
        <translation>Aucune sonnette vue pour l&apos;instant&#xa0;: vous saurez si le profil tient dès qu&apos;une sonnette sera vue</translation>
    </message>
    <message>
        <source>The profile then fits the unit</source>
        <translation>Le profil tiendra alors dans la sonnette</translation>
    </message>
    <message>
        <source>The profile then does not fit the unit: %1 left out</source>
        <translation>Le profil ne tiendra alors pas dans la sonnette&#xa0;: %1 en trop</translation>
    </message>
    <message>
        <source>The edited sound was saved as %1; its row is gone</source>
        <translation>Le son modifié a été enregistré sous %1&#xa0;; sa ligne a disparu</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>The sound is larger than the unit&apos;s memory. Make It Fit can write a shorter or smaller copy of it beside the original, which stays as it is. Make it fit now?</source>
        <translation>Le son est plus grand que la mémoire de la sonnette. Ajuster peut en écrire une copie plus courte ou plus petite à côté de l&apos;original, qui reste tel quel. Ajuster maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Make It Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>1 new sound</source>
        <translation>1 nouveau son</translation>
    </message>
    <message>
        <source>%1 new sounds</source>
        <translation>%1 nouveaux sons</translation>
    </message>
    <message>
        <source>Every sound fits the unit now, with %1</source>
        <translation>Tous les sons tiennent maintenant dans la sonnette, avec %1</translation>
    </message>
    <message>
        <source>%1 in the lists; 1 still does not fit</source>
        <translation>%1 dans les listes&#xa0;; 1 ne tient toujours pas</translation>
    </message>
    <message>
        <source>%1 in the lists; %2 still do not fit</source>
        <translation>%1 dans les listes&#xa0;; %2 ne tiennent toujours pas</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Song editing instructions could not be found</source>
        <translation>Les instructions de modification des sons sont introuvables</translation>
    </message>
</context>
<context>
    <name>SupportReportDialog</name>
    <message>
        <source>Support Report</source>
        <translation>Rapport d&apos;assistance</translation>
    </message>
    <message>
        <source>Attach this report when you ask for help. It holds no sound and no song data, and paths in your home folder are shown as ~.</source>
        <translation>Joignez ce rapport à votre demande d&apos;aide. Il ne contient aucun son ni aucune donnée de son, et les chemins de votre dossier personnel sont affichés sous la forme ~.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>Copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Save Support Report</source>
        <translation>Enregistrer le rapport d&apos;assistance</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Le rapport n&apos;a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Click or drag to set a marker. Home, End: start or end marker; arrows: 0.1 s, with Shift 1 s.</source>
        <translation>Cliquez ou faites glisser pour placer un repère. Début, Fin&#xa0;: repère de début ou de fin&#xa0;; flèches&#xa0;: 0,1&#xa0;s, avec Maj 1&#xa0;s.</translation>
    </message>
</context>
</TS>
