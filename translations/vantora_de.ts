<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>© 2026 Vantora. All rights reserved.</source>
        <translation>© 2026 Vantora. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Vantora Programming Software</source>
        <translation>Vantora-Programmiersoftware</translation>
    </message>
    <message>
        <source>Software Version: %1</source>
        <translation>Softwareversion: %1</translation>
    </message>
    <message>
        <source>Product SW Version: %1</source>
        <translation>Softwareversion der Klingel: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Web Support</source>
        <translation>Support im Web</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>Support per E-Mail</translation>
    </message>
</context>
<context>
    <name>ApplicationTitle</name>
    <message>
        <source>Door Bell Programmer</source>
        <translation>Türklingel-Programmierung</translation>
    </message>
</context>
<context>
    <name>ButtonFaces</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>PREV</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>PROGRAMMIEREN</translation>
    </message>
    <message>
        <source>FINISH</source>
        <translation>FERTIG</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
</context>
<context>
    <name>CapacityDisplay</name>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>Used : %1</source>
        <translation>Belegt: %1</translation>
    </message>
    <message>
        <source>Remaining : %1</source>
        <translation>Frei: %1</translation>
    </message>
    <message>
        <source>Profile On Vantora : %1</source>
        <translation>Profil auf der Vantora: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation>Letzte Klingel: %1</translation>
    </message>
    <message>
        <source>Over by %1</source>
        <translation>Überschritten um %1</translation>
    </message>
    <message>
        <source>No unit seen yet</source>
        <translation>Noch keine Klingel gesehen</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>No profile named &quot;%1&quot; in %2</source>
        <translation>Kein Profil namens „%1“ in %2</translation>
    </message>
    <message>
        <source>Nothing was sent to the unit.</source>
        <translation>Nichts wurde an die Klingel gesendet.</translation>
    </message>
    <message>
        <source>Did you mean: %1?</source>
        <translation>Meinten Sie: %1?</translation>
    </message>
    <message>
        <source>Did you mean: %1 or %2?</source>
        <translation>Meinten Sie: %1 oder %2?</translation>
    </message>
    <message>
        <source>%1 sounds beyond a full button of %2 are left out, as in the editor</source>
        <translation>%1 Klänge über die Höchstzahl von %2 je Taste hinaus werden ausgelassen, wie im Editor</translation>
    </message>
    <message>
        <source>%1: %2 sound, %3 fit in the unit&apos;s memory</source>
        <translation>%1: %2 Klang, davon %3 passend für den Speicher der Klingel</translation>
    </message>
    <message>
        <source>%1: %2 sounds, %3 fit in the unit&apos;s memory</source>
        <translation>%1: %2 Klänge, davon %3 passend für den Speicher der Klingel</translation>
    </message>
    <message>
        <source>Does not fit in the unit&apos;s memory: %1 (Btn%2, %3 bytes)</source>
        <translation>Passt nicht in den Speicher der Klingel: %1 (Taste %2, %3 Bytes)</translation>
    </message>
    <message>
        <source>Programming tool of the Vantora door bell. Without --status, --list,
--program or --support-report it opens its windows, with the editor on the
profile file when one is given. Windows already open take the file and come
to the front instead. When asking for help, attach the file that
--support-report FILE (or Help &gt; Save Support Report) writes.</source>
        <translation>Programmierwerkzeug der Vantora-Türklingel. Ohne --status, --list, --program
oder --support-report öffnet es seine Fenster, mit dem Editor auf der
Profildatei, wenn eine angegeben ist. Schon geöffnete Fenster übernehmen
stattdessen die Datei und kommen nach vorn. Wenn Sie um Hilfe bitten, hängen
Sie die Datei an, die --support-report DATEI (oder Hilfe &gt; Supportbericht
speichern) schreibt.</translation>
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
Exit-Status:
  0  Erfolg
  1  unerwarteter Fehler, oder die Protokolldatei bzw. der Supportbericht
     lässt sich nicht schreiben
  2  falsche Verwendung: unbekannte Option, fehlender Wert, überzähliges
     Argument, --program zweimal angegeben, --verify weder full noch quick;
     oder keine Anzeige, auf der sich die Fenster öffnen lassen
  3  Profil nicht vorhanden, nicht lesbar oder keine Profildatei
  4  eine Klangdatei des Profils fehlt oder ist kein MP3- oder WAV-Klang
     (nichts wird gesendet)
  5  Programmiergerät nicht gefunden, oder 30 Sekunden lang von einem
     anderen Programm belegt
  6  Klingel nicht angeschlossen: Das Programmiergerät ist da, die Klingel
     antwortet nicht
  7  nichts passt: kein Klang des Profils passt in die Klingel, oder es hat
     keinen
  8  Schreiben oder Prüfen ist fehlgeschlagen
  9  geschrieben und geprüft, aber Klänge wurden ausgelassen: Sie passten
     nicht
 64  Optionen, die nicht zusammenpassen: --verify ohne --program, --json
     ohne --status oder --list, --program mit --list
130  mit Strg+C abgebrochen: Die Klingel enthält ein unvollständiges Profil
</translation>
    </message>
    <message>
        <source>Probe the unit once and print what the programmer sees: programmer, unit, memories, buttons, firmware and the profile on the unit.</source>
        <translation>Fragt die Klingel einmal ab und gibt aus, was das Programmiergerät sieht: Programmiergerät, Klingel, Speicher, Tasten, Softwareversion und das Profil auf der Klingel.</translation>
    </message>
    <message>
        <source>List the profiles: number, name, sounds and bytes; * marks the profile on the unit.</source>
        <translation>Führt die Profile auf: Nummer, Name, Klänge und Bytes; * kennzeichnet das Profil auf der Klingel.</translation>
    </message>
    <message>
        <source>Write the profile &lt;name&gt; into the unit and verify it. With --status as well, it reports the unit as it is afterwards.</source>
        <translation>Schreibt das Profil &lt;name&gt; in die Klingel und prüft es. Zusammen mit --status meldet es danach den Zustand der Klingel.</translation>
    </message>
    <message>
        <source>How much of each sound --program reads back and compares: full, every byte (the default; 1.5 to 2 times as long as writing), or quick, the first KiB of each.</source>
        <translation>Wie viel von jedem Klang --program zurückliest und vergleicht: full, jedes Byte (die Vorgabe; anderthalb- bis zweimal so lange wie das Schreiben), oder quick, das erste KiB jedes Klangs.</translation>
    </message>
    <message>
        <source>Use the built-in simulated unit instead of a real programmer, at the pace of a real cable.</source>
        <translation>Verwendet die eingebaute simulierte Klingel statt eines echten Programmiergeräts, im Tempo eines echten Kabels.</translation>
    </message>
    <message>
        <source>Print --status and --list as one JSON object; other messages go to standard error.</source>
        <translation>Gibt --status und --list als ein JSON-Objekt aus; andere Meldungen gehen auf die Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Probe the unit and write a support report into &lt;file&gt;: versions, programmer, unit, settings and the log of the last runs, with no song data and the home folder shown as ~. Attach it when asking for help.</source>
        <translation>Fragt die Klingel ab und schreibt einen Supportbericht in &lt;file&gt;: Versionen, Programmiergerät, Klingel, Einstellungen und das Protokoll der letzten Läufe, ohne Klangdaten und mit dem persönlichen Ordner als ~. Hängen Sie ihn an, wenn Sie um Hilfe bitten.</translation>
    </message>
    <message>
        <source>Show the log on standard error: every command sent to the programmer and its answer, the probes and the runs. Standard output stays as it is.</source>
        <translation>Zeigt das Protokoll auf der Standardfehlerausgabe: jeden an das Programmiergerät gesendeten Befehl und seine Antwort, die Abfragen und die Vorgänge. Die Standardausgabe bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Write the same log into &lt;file&gt; (begun afresh).</source>
        <translation>Schreibt dasselbe Protokoll in &lt;file&gt; (jedes Mal neu begonnen).</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>A profile file (.qvt) to open in the editor. A file outside the Profiles folder is copied into it first; a profile of the same name with other content is replaced only when you say so.</source>
        <translation>Eine Profildatei (.qvt), die im Editor geöffnet wird. Eine Datei außerhalb des Ordners Profiles wird zuerst dorthin kopiert; ein Profil gleichen Namens mit anderem Inhalt wird nur ersetzt, wenn Sie es bestätigen.</translation>
    </message>
    <message>
        <source>--verify goes with --program.</source>
        <translation>--verify geht nur zusammen mit --program.</translation>
    </message>
    <message>
        <source>--json goes with --status or --list.</source>
        <translation>--json geht nur zusammen mit --status oder --list.</translation>
    </message>
    <message>
        <source>--program and --list do not go together: list the profiles on their own.</source>
        <translation>--program und --list passen nicht zusammen: Führen Sie die Profile mit einem eigenen Befehl auf.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos; (a name with blanks needs quotes).</source>
        <translation>Unerwartetes Argument „%1“ (ein Name mit Leerzeichen braucht Anführungszeichen).</translation>
    </message>
    <message>
        <source>--program takes one profile at a time.</source>
        <translation>--program nimmt nur ein Profil auf einmal.</translation>
    </message>
    <message>
        <source>--support-report needs the name of the file to write.</source>
        <translation>--support-report braucht den Namen der zu schreibenden Datei.</translation>
    </message>
    <message>
        <source>--log-file needs the name of the file to write.</source>
        <translation>--log-file braucht den Namen der zu schreibenden Datei.</translation>
    </message>
    <message>
        <source>--verify takes full or quick, not &apos;%1&apos;.</source>
        <translation>--verify nimmt full oder quick, nicht „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;vantora-programmer --help&apos; for more information.</source>
        <translation>„vantora-programmer --help“ zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>not a profile</source>
        <translation>kein Profil</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>old format</source>
        <translation>altes Format</translation>
    </message>
    <message>
        <source>%1 sound missing</source>
        <translation>%1 Klang fehlt</translation>
    </message>
    <message>
        <source>%1 sounds missing</source>
        <translation>%1 Klänge fehlen</translation>
    </message>
    <message>
        <source>No profiles in %1</source>
        <translation>Keine Profile in %1</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Profile On Vantora</source>
        <translation>Profil auf der Vantora</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>%1 of %2 MiB  %3 left</source>
        <translation>%1 von %2 MiB  noch %3</translation>
    </message>
    <message>
        <source>The support report could not be written to %1: %2</source>
        <translation>Der Supportbericht konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Support report written to %1: attach it when you ask for help.</source>
        <translation>Supportbericht in %1 geschrieben: Hängen Sie ihn an, wenn Sie um Hilfe bitten.</translation>
    </message>
    <message>
        <source>Programmer: %1</source>
        <translation>Programmiergerät: %1</translation>
    </message>
    <message>
        <source>Unit: Disconnected</source>
        <translation>Klingel: Nicht verbunden</translation>
    </message>
    <message>
        <source>Unit: Connected</source>
        <translation>Klingel: Verbunden</translation>
    </message>
    <message>
        <source>Memory %1: device code %2, %3 bytes, profile number %4</source>
        <translation>Speicher %1: Gerätecode %2, %3 Bytes, Profilnummer %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>Buttons: %1</source>
        <translation>Tasten: %1</translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation>Softwareversion der Klingel: %1</translation>
    </message>
    <message>
        <source>Profile On Vantora : %1</source>
        <translation>Profil auf der Vantora: %1</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1: %2 %</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>No display found. The command line works without one: see vantora-programmer --help.</source>
        <translation>Keine Anzeige gefunden. Die Befehlszeile funktioniert auch ohne: siehe vantora-programmer --help.</translation>
    </message>
</context>
<context>
    <name>EditorHelpMenu</name>
    <message>
        <source>Sound editing instructions could not be found</source>
        <translation>Die Anleitung zum Bearbeiten von Klängen wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Adding &amp;Sounds</source>
        <translation>&amp;Hinzufügen von Klängen</translation>
    </message>
    <message>
        <source>Remo&amp;ving Sounds</source>
        <translation>&amp;Entfernen von Klängen</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>Previous &amp;Button</source>
        <translation>&amp;Zurück-Schaltfläche</translation>
    </message>
    <message>
        <source>&amp;Next Button</source>
        <translation>&amp;Weiter-Schaltfläche</translation>
    </message>
    <message>
        <source>Pro&amp;gress Bar</source>
        <translation>&amp;Kapazitätsbalken</translation>
    </message>
    <message>
        <source>Sound &amp;List</source>
        <translation>Klang&amp;liste</translation>
    </message>
    <message>
        <source>Edit Sounds and Make &amp;Them Fit</source>
        <translation>Klänge bearbeiten und ei&amp;npassen</translation>
    </message>
</context>
<context>
    <name>FitPlanText</name>
    <message>
        <source>it is larger than each of the unit&apos;s memories</source>
        <translation>er ist größer als jeder Speicher der Klingel</translation>
    </message>
    <message>
        <source>it fits as it is, and smaller it makes room for &quot;%1&quot;</source>
        <translation>er passt, wie er ist, und macht verkleinert Platz für „%1“</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1: %2, mono, %3 kbit/s, %4 → %5 bytes (%6)</source>
        <translation>%1: %2, mono, %3 kbit/s, %4 → %5 Bytes (%6)</translation>
    </message>
    <message>
        <source>The other sound stays as it is.

</source>
        <translation>Der andere Klang bleibt, wie er ist.

</translation>
    </message>
    <message>
        <source>The other %1 sounds stay as they are.

</source>
        <translation>Die anderen %1 Klänge bleiben, wie sie sind.

</translation>
    </message>
    <message>
        <source>To fit the unit, this sound gets a new file beside the original, which stays as it is:

</source>
        <translation>Damit alles in die Klingel passt, bekommt dieser Klang eine neue Datei neben dem Original, das bleibt, wie es ist:

</translation>
    </message>
    <message>
        <source>To fit the unit, these sounds get new files beside the originals, which stay as they are:

</source>
        <translation>Damit alles in die Klingel passt, bekommen diese Klänge neue Dateien neben den Originalen, die bleiben, wie sie sind:

</translation>
    </message>
    <message>
        <source>
Changing this one sound is enough, and %1 kbit/s is the highest bit rate at which it fits.
</source>
        <translation>
Es genügt, diesen einen Klang zu ändern, und %1 kbit/s ist die höchste Bitrate, bei der er passt.
</translation>
    </message>
    <message>
        <source>
No plan that changes fewer sounds fits, and %1 kbit/s is the highest bit rate at which these fit.
</source>
        <translation>
Kein Plan, der weniger Klänge ändert, passt, und %1 kbit/s ist die höchste Bitrate, bei der diese passen.
</translation>
    </message>
    <message>
        <source>Write the new file and put it in the list?</source>
        <translation>Die neue Datei schreiben und in die Liste übernehmen?</translation>
    </message>
    <message>
        <source>Write the new files and put them in the lists?</source>
        <translation>Die neuen Dateien schreiben und in die Listen übernehmen?</translation>
    </message>
    <message>
        <source>The profile cannot fit the unit, even with its sounds at %1 kbit/s mono: &quot;%2&quot; does not fit, and it cannot be read as an MP3 or WAV sound to make it smaller.</source>
        <translation>Das Profil passt nicht in die Klingel, selbst mit allen Klängen in %1 kbit/s mono: „%2“ passt nicht und lässt sich nicht als MP3- oder WAV-Klang lesen, um ihn zu verkleinern.</translation>
    </message>
    <message>
        <source>The profile cannot fit the unit, even with its sounds at %1 kbit/s mono: &quot;%2&quot; does not fit. Keep fewer seconds of each sound, or remove sounds.</source>
        <translation>Das Profil passt nicht in die Klingel, selbst mit allen Klängen in %1 kbit/s mono: „%2“ passt nicht. Behalten Sie weniger Sekunden jedes Klangs oder entfernen Sie Klänge.</translation>
    </message>
    <message>
        <source>it is left out: sounds go into the unit in their order, and &quot;%1&quot; before it fits in no memory</source>
        <translation>er wird ausgelassen: Die Klänge kommen der Reihe nach in die Klingel, und „%1“ davor passt in keinen Speicher</translation>
    </message>
    <message>
        <source>it is left out: the sounds before it fill the unit&apos;s memories (&quot;%1&quot; was the first that did not fit)</source>
        <translation>er wird ausgelassen: Die Klänge davor füllen die Speicher der Klingel („%1“ war der erste, der nicht passte)</translation>
    </message>
    <message>
        <source>it does not fit: the sounds before it leave too little room in the unit&apos;s memories</source>
        <translation>er passt nicht: Die Klänge davor lassen zu wenig Platz in den Speichern der Klingel</translation>
    </message>
</context>
<context>
    <name>HelpPane</name>
    <message>
        <source>&lt;p&gt;The help page %1 cannot be found in %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseite %1 ist in %2 nicht zu finden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the help page before (Alt+Left)</source>
        <translation>Zurück zur vorigen Hilfeseite (Alt+Pfeil nach links)</translation>
    </message>
</context>
<context>
    <name>MakeItFit</name>
    <message>
        <source>Make It Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>No unit seen yet: Make It Fit fits a profile to the unit&apos;s memories</source>
        <translation>Noch keine Klingel gesehen: Einpassen passt ein Profil an die Speicher der Klingel an</translation>
    </message>
    <message>
        <source>Every sound fits the unit already</source>
        <translation>Alle Klänge passen schon in die Klingel</translation>
    </message>
    <message>
        <source>Keep at most how many seconds of each sound that is changed, from its start?
Leave it empty to keep whole sounds.</source>
        <translation>Wie viele Sekunden jedes geänderten Klangs sollen höchstens bleiben, vom Anfang an?
Lassen Sie das Feld leer, um ganze Klänge zu behalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of seconds above 0.</source>
        <translation>„%1“ ist keine Zahl von Sekunden über 0.</translation>
    </message>
    <message>
        <source>Reading the sounds…</source>
        <translation>Die Klänge werden gelesen…</translation>
    </message>
    <message>
        <source>Make It Fit was cancelled: the lists are as they were</source>
        <translation>Einpassen wurde abgebrochen: Die Listen sind unverändert</translation>
    </message>
    <message>
        <source>Writing the new sound…</source>
        <translation>Der neue Klang wird geschrieben…</translation>
    </message>
    <message>
        <source>Writing %1 new sounds…</source>
        <translation>%1 neue Klänge werden geschrieben…</translation>
    </message>
    <message>
        <source>The new sounds could not be written: %1
The lists are as they were.</source>
        <translation>Die neuen Klänge konnten nicht geschrieben werden: %1
Die Listen sind unverändert.</translation>
    </message>
    <message>
        <source>The lists changed meanwhile: Make It Fit replaced nothing</source>
        <translation>Die Listen wurden inzwischen geändert: Einpassen hat nichts ersetzt</translation>
    </message>
</context>
<context>
    <name>NextChecks</name>
    <message>
        <source>The new profile has unsaved changes.</source>
        <translation>Das neue Profil hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Profile %1 has unsaved changes.</source>
        <translation>Das Profil %1 hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Save and Program</source>
        <translation>Speichern und programmieren</translation>
    </message>
    <message>
        <source>Program Without Saving</source>
        <translation>Ohne Speichern programmieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>No program is installed to open %1.</source>
        <translation>Es ist kein Programm installiert, das %1 öffnet.</translation>
    </message>
</context>
<context>
    <name>ProfileChoice</name>
    <message>
        <source>Select Profile :</source>
        <translation>Profil wählen:</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Retrieve &amp;Backup</source>
        <translation>Sicherung &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Create Song Profile</source>
        <translation>Klangprofil erstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Create Song Profile - %1</source>
        <translation>Klangprofil erstellen - %1</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Profile %1 cannot be read.</source>
        <translation>Das Profil %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is not a profile file.</source>
        <translation>%1 ist keine Profildatei.</translation>
    </message>
    <message>
        <source>The file : %1 does not exist or has been moved.</source>
        <translation>Die Datei %1 ist nicht vorhanden oder wurde verschoben.</translation>
    </message>
    <message>
        <source>File Does Not Exist</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>Find It…</source>
        <translation>Suchen…</translation>
    </message>
    <message>
        <source>Remove From List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Find MP3 File</source>
        <translation>MP3-Datei suchen</translation>
    </message>
    <message>
        <source>Profile created</source>
        <translation>Profil angelegt</translation>
    </message>
    <message>
        <source>Load Profile</source>
        <translation>Profil laden</translation>
    </message>
    <message>
        <source>Profiles (*.qvt)</source>
        <translation>Profile (*.qvt)</translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation>Ungültiger Profilname</translation>
    </message>
    <message>
        <source>Do you want to permanently delete the profile named %1?</source>
        <translation>Möchten Sie das Profil %1 endgültig löschen?</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>Deletion canceled.</source>
        <translation>Löschen abgebrochen.</translation>
    </message>
    <message>
        <source>ERROR deleting profile %1.</source>
        <translation>FEHLER beim Löschen des Profils %1.</translation>
    </message>
    <message>
        <source>Profile %1 deleted.</source>
        <translation>Profil %1 gelöscht.</translation>
    </message>
    <message>
        <source>ERROR saving profile %1.</source>
        <translation>FEHLER beim Speichern des Profils %1.</translation>
    </message>
    <message>
        <source>Stop Loading</source>
        <translation>Laden abbrechen</translation>
    </message>
    <message>
        <source>Old list: %1 sounds left out, kept in %2.BAK</source>
        <translation>Alte Liste: %1 Klänge ausgelassen, erhalten in %2.BAK</translation>
    </message>
    <message>
        <source>Loading stopped: %1 sounds not found</source>
        <translation>Laden abgebrochen: %1 Klänge nicht gefunden</translation>
    </message>
    <message>
        <source>%1 sounds found in %2</source>
        <translation>%1 Klänge in %2 gefunden</translation>
    </message>
    <message>
        <source>Cannot save profile with out a name</source>
        <translation>Ein Profil ohne Namen kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Profile saved</source>
        <translation>Profil gespeichert</translation>
    </message>
    <message>
        <source>Save changes to a new profile?</source>
        <translation>Änderungen in einem neuen Profil speichern?</translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation>Änderungen am Profil %1 speichern?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create profile name...</source>
        <translation>Name des neuen Profils...</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>You have exceeded the maximum number of profiles (65278). Cancelling new profile.</source>
        <translation>Sie haben die Höchstzahl an Profilen (65278) überschritten. Das neue Profil wird nicht angelegt.</translation>
    </message>
    <message>
        <source>Maximum Number Of Profiles</source>
        <translation>Höchstzahl an Profilen</translation>
    </message>
    <message>
        <source>Profile %1 already exists. Replace it?</source>
        <translation>Das Profil %1 ist schon vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>Cancelled new profile</source>
        <translation>Neues Profil abgebrochen</translation>
    </message>
    <message>
        <source>Profile with the same name already exists</source>
        <translation>Ein Profil mit diesem Namen ist schon vorhanden</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.wav)</source>
        <translation>Klangdateien (*.mp3 *.wav)</translation>
    </message>
    <message>
        <source>MP3 files (*.mp3)</source>
        <translation>MP3-Dateien (*.mp3)</translation>
    </message>
    <message>
        <source> Wav files (*.wav)</source>
        <translation> WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Find Missing Sounds</source>
        <translation>Fehlende Klänge suchen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>keines</translation>
    </message>
</context>
<context>
    <name>ProgrammingPage</name>
    <message>
        <source>Program Vantora</source>
        <translation>Vantora programmieren</translation>
    </message>
    <message>
        <source>Song</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Btn</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Verify every byte</source>
        <translation>Jedes Byte prüfen</translation>
    </message>
    <message>
        <source>Programming is in progress. Stop it? The unit will hold an incomplete profile.</source>
        <translation>Die Programmierung läuft. Abbrechen? Die Klingel enthält dann ein unvollständiges Profil.</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message>
        <source>No Songs To Program</source>
        <translation>Keine Klänge zum Programmieren</translation>
    </message>
    <message>
        <source>Song Is Too Large</source>
        <translation>Klang ist zu groß</translation>
    </message>
    <message>
        <source>Make sure the unit is connected to a USB Port.</source>
        <translation>Prüfen Sie, ob die Klingel an einem USB-Anschluss angeschlossen ist.</translation>
    </message>
    <message>
        <source>Stopped: the unit holds an incomplete profile. Program it again.</source>
        <translation>Abgebrochen: Die Klingel enthält ein unvollständiges Profil. Programmieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>ERROR %1.</source>
        <translation>FEHLER %1.</translation>
    </message>
    <message>
        <source>These files are not MP3 or WAV sounds: %1</source>
        <translation>Diese Dateien sind keine MP3- oder WAV-Klänge: %1</translation>
    </message>
    <message>
        <source>Success! %1 seconds (1 sound did not fit and was not written)</source>
        <translation>Erfolg! %1 Sekunden (1 Klang passte nicht und wurde nicht geschrieben)</translation>
    </message>
    <message>
        <source>Success! %1 seconds (%2 sounds did not fit and were not written)</source>
        <translation>Erfolg! %1 Sekunden (%2 Klänge passten nicht und wurden nicht geschrieben)</translation>
    </message>
    <message>
        <source>Success! %1 seconds</source>
        <translation>Erfolg! %1 Sekunden</translation>
    </message>
    <message>
        <source>%1 has no sound on the unit</source>
        <translation>%1 hat keinen Klang auf der Klingel</translation>
    </message>
    <message>
        <source>%1 and %2 have no sound on the unit</source>
        <translation>%1 und %2 haben keinen Klang auf der Klingel</translation>
    </message>
    <message>
        <source>Btn%1 · %2 differs from its file at byte %3</source>
        <translation>Taste %1 · %2 weicht bei Byte %3 von seiner Datei ab</translation>
    </message>
    <message>
        <source>Btn%1 · %2 could not be read: it is missing, unreadable, or no longer %3 bytes</source>
        <translation>Taste %1 · %2 konnte nicht gelesen werden: Die Datei fehlt, ist unlesbar oder nicht mehr %3 Bytes groß</translation>
    </message>
    <message>
        <source>Programmer Ready</source>
        <translation>Programmiergerät bereit</translation>
    </message>
    <message>
        <source>Programmer Not Found</source>
        <translation>Programmiergerät nicht gefunden</translation>
    </message>
    <message>
        <source>Programmer In Use</source>
        <translation>Programmiergerät belegt</translation>
    </message>
    <message>
        <source>Vantora Must Be Connected</source>
        <translation>Die Vantora muss angeschlossen sein</translation>
    </message>
    <message>
        <source>Waiting for the programmer (in use by another program)…</source>
        <translation>Warten auf das Programmiergerät (von einem anderen Programm belegt)…</translation>
    </message>
    <message>
        <source>Programmer in use by another program</source>
        <translation>Programmiergerät von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Schreiben…</translation>
    </message>
    <message>
        <source>Verifying…</source>
        <translation>Prüfen…</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (nicht gespeichert)</translation>
    </message>
    <message>
        <source>Btn%1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Does not fit: each sound must fit into one memory of the unit (the largest holds %1 bytes).</source>
        <translation>Passt nicht: Jeder Klang muss in einen Speicher der Klingel passen (der größte fasst %1 Bytes).</translation>
    </message>
    <message>
        <source>Does not fit: each of the unit&apos;s memories holds at most %1 sounds, and the sounds before it fill them.</source>
        <translation>Passt nicht: Jeder Speicher der Klingel fasst höchstens %1 Klänge, und die Klänge davor füllen sie.</translation>
    </message>
    <message>
        <source>Does not fit: the sounds before it leave too little room in the unit&apos;s memories.</source>
        <translation>Passt nicht: Die Klänge davor lassen zu wenig Platz in den Speichern der Klingel.</translation>
    </message>
    <message>
        <source>Left out: sounds go into the unit in their order, and one before it fits in no memory (%1 was the first that did not fit).</source>
        <translation>Ausgelassen: Die Klänge kommen der Reihe nach in die Klingel, und einer davor passt in keinen Speicher (%1 war der erste, der nicht passte).</translation>
    </message>
    <message>
        <source>Left out: the sounds before it fill the unit&apos;s memories (%1 was the first that did not fit).</source>
        <translation>Ausgelassen: Die Klänge davor füllen die Speicher der Klingel (%1 war der erste, der nicht passte).</translation>
    </message>
</context>
<context>
    <name>SharedHelpEntries</name>
    <message>
        <source>Save S&amp;upport Report…</source>
        <translation>&amp;Supportbericht speichern…</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Hand&amp;buch</translation>
    </message>
    <message>
        <source>Manual could not be found</source>
        <translation>Das Handbuch wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Acquire Sounds from the &amp;Internet</source>
        <translation>Klänge aus dem &amp;Internet holen</translation>
    </message>
    <message>
        <source>&amp;Driver Installation</source>
        <translation>&amp;Treiberinstallation</translation>
    </message>
    <message>
        <source>Driver installation instructions could not be found</source>
        <translation>Die Anleitung zur Treiberinstallation wurde nicht gefunden</translation>
    </message>
    <message>
        <source>&amp;Record Sounds</source>
        <translation>Klänge &amp;aufnehmen</translation>
    </message>
    <message>
        <source>Sound recording instructions could not be found</source>
        <translation>Die Anleitung zum Aufnehmen von Klängen wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Rip, &amp;Edit, Convert Sounds</source>
        <translation>Klänge &amp;rippen, bearbeiten, umwandeln</translation>
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
        <translation>Klang bearbeiten - %1</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Plays the selection from the start marker, as saved</source>
        <translation>Spielt die Auswahl ab der Startmarke so ab, wie sie gespeichert wird</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation>Lautheit angleichen</translation>
    </message>
    <message>
        <source>MP3 (constant bit rate)</source>
        <translation>MP3 (konstante Bitrate)</translation>
    </message>
    <message>
        <source>WAV 16-bit PCM</source>
        <translation>WAV 16 Bit PCM</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Fade &amp;in :</source>
        <translation>&amp;Einblenden:</translation>
    </message>
    <message>
        <source>Fade &amp;out :</source>
        <translation>A&amp;usblenden:</translation>
    </message>
    <message>
        <source>&amp;Write as :</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Bit rate :</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Selection : %1, from %2 to %3</source>
        <translation>Auswahl: %1, von %2 bis %3</translation>
    </message>
    <message>
        <source>New file : about %1 bytes</source>
        <translation>Neue Datei: etwa %1 Bytes</translation>
    </message>
    <message>
        <source>, larger than the original (%1 bytes)</source>
        <translation>, größer als das Original (%1 Bytes)</translation>
    </message>
    <message>
        <source>Reading the sound...</source>
        <translation>Der Klang wird gelesen...</translation>
    </message>
    <message>
        <source>The sound cannot be read: it does not open as an MP3 or WAV sound</source>
        <translation>Der Klang kann nicht gelesen werden: Die Datei lässt sich nicht als MP3- oder WAV-Klang öffnen</translation>
    </message>
    <message>
        <source>The waveform cannot be shown: %1</source>
        <translation>Die Wellenform kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>The edited sound could not be written: %1</source>
        <translation>Der bearbeitete Klang konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>SoundEditing</name>
    <message>
        <source>%1: nothing to keep between the marks</source>
        <translation>%1: Zwischen den Marken bleibt nichts übrig</translation>
    </message>
    <message>
        <source>the loudness could not be measured</source>
        <translation>Die Lautheit konnte nicht gemessen werden</translation>
    </message>
    <message>
        <source>%1: too many edited copies</source>
        <translation>%1: zu viele bearbeitete Kopien</translation>
    </message>
    <message>
        <source>a sound of %1 Hz cannot be converted to %2 Hz</source>
        <translation>Ein Klang mit %1 Hz lässt sich nicht in %2 Hz umwandeln</translation>
    </message>
</context>
<context>
    <name>SoundListCommands</name>
    <message>
        <source>&amp;Add Songs</source>
        <translation>Klänge &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Songs</source>
        <translation>Klänge ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Add Sounds</source>
        <translation>&amp;Klänge hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Sounds</source>
        <translation>Klänge &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>A&amp;usgewählte</translation>
    </message>
    <message>
        <source>&amp;Buttons</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;Add Button</source>
        <translation>Taste &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Button</source>
        <translation>Taste ent&amp;fernen</translation>
    </message>
    <message>
        <source>%1 is larger than the unit&apos;s memory</source>
        <translation>%1 ist größer als der Speicher der Klingel</translation>
    </message>
    <message>
        <source>These files are not MP3 or WAV sounds: %1</source>
        <translation>Diese Dateien sind keine MP3- oder WAV-Klänge: %1</translation>
    </message>
    <message>
        <source>Select MP3 File(s)</source>
        <translation>MP3-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>Tick or select the sounds to remove</source>
        <translation>Kreuzen Sie die zu entfernenden Klänge an oder markieren Sie sie</translation>
    </message>
    <message>
        <source>Remove 1 sound from every button?</source>
        <translation>1 Klang von allen Tasten entfernen?</translation>
    </message>
    <message>
        <source>Remove all %1 sounds from every button?</source>
        <translation>Alle %1 Klänge von allen Tasten entfernen?</translation>
    </message>
    <message>
        <source>1 sound removed</source>
        <translation>1 Klang entfernt</translation>
    </message>
    <message>
        <source>%1 sounds removed</source>
        <translation>%1 Klänge entfernt</translation>
    </message>
    <message>
        <source>%1 is already on Btn%2: not added.</source>
        <translation>%1 ist schon auf Taste %2: nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 are already on Btn%2: not added.</source>
        <translation>%1 sind schon auf Taste %2: nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>1 sound was not added: a button holds at most %1 sounds.</source>
        <translation>1 Klang wurde nicht hinzugefügt: Eine Taste fasst höchstens %1 Klänge.</translation>
    </message>
    <message>
        <source>%1 sounds were not added: a button holds at most %2 sounds.</source>
        <translation>%1 Klänge wurden nicht hinzugefügt: Eine Taste fasst höchstens %2 Klänge.</translation>
    </message>
</context>
<context>
    <name>SoundListModel</name>
    <message>
        <source>Length : %1 seconds, %2 Hz, 1 channel</source>
        <translation>Länge: %1 Sekunden, %2 Hz, 1 Kanal</translation>
    </message>
    <message>
        <source>Length : %1 seconds, %2 Hz, %3 channels</source>
        <translation>Länge: %1 Sekunden, %2 Hz, %3 Kanäle</translation>
    </message>
    <message>
        <source>Name : %1
Path : %2
</source>
        <translation>Name: %1
Pfad: %2
</translation>
    </message>
    <message>
        <source>Double Click To Play.</source>
        <translation>Zum Abspielen doppelklicken.</translation>
    </message>
    <message>
        <source>Not an MP3 or WAV sound</source>
        <translation>Kein MP3- oder WAV-Klang</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>SoundLists</name>
    <message>
        <source>Btn%1</source>
        <translation>T%1</translation>
    </message>
    <message>
        <source>Listing of the songs to be downloaded</source>
        <translation>Liste der zu programmierenden Klänge</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>No sound output is available</source>
        <translation>Keine Tonausgabe verfügbar</translation>
    </message>
</context>
<context>
    <name>SoundTools</name>
    <message>
        <source>1 sound</source>
        <translation>1 Klang</translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation>%1 Klänge</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>Edit &amp;Sound…</source>
        <translation>&amp;Klang bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Edit Sound…</source>
        <translation>&amp;Klang bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Make It Fit…</source>
        <translation>&amp;Einpassen…</translation>
    </message>
    <message>
        <source>Select the sound to play</source>
        <translation>Markieren Sie den Klang, der abgespielt werden soll</translation>
    </message>
    <message>
        <source>Select the sound to edit</source>
        <translation>Markieren Sie den Klang, der bearbeitet werden soll</translation>
    </message>
    <message>
        <source>%1 cannot be edited: it does not open as an MP3 or WAV sound</source>
        <translation>%1 kann nicht bearbeitet werden: Die Datei lässt sich nicht als MP3- oder WAV-Klang öffnen</translation>
    </message>
    <message>
        <source>No unit seen yet: whether the profile fits shows once one is</source>
        <translation>Noch keine Klingel gesehen: Ob das Profil passt, zeigt sich, sobald eine angeschlossen ist</translation>
    </message>
    <message>
        <source>The profile then fits the unit</source>
        <translation>Das Profil passt dann in die Klingel</translation>
    </message>
    <message>
        <source>The profile then does not fit the unit: %1 left out</source>
        <translation>Das Profil passt dann nicht in die Klingel: %1 ausgelassen</translation>
    </message>
    <message>
        <source>The edited sound was saved as %1; its row is gone</source>
        <translation>Der bearbeitete Klang wurde als %1 gespeichert; seine Zeile gibt es nicht mehr</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>The sound is larger than the unit&apos;s memory. Make It Fit can write a shorter or smaller copy of it beside the original, which stays as it is. Make it fit now?</source>
        <translation>Der Klang ist größer als der Speicher der Klingel. Einpassen kann neben dem Original eine kürzere oder kleinere Kopie schreiben; das Original bleibt, wie es ist. Jetzt einpassen?</translation>
    </message>
    <message>
        <source>Make It Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>1 new sound</source>
        <translation>1 neuer Klang</translation>
    </message>
    <message>
        <source>%1 new sounds</source>
        <translation>%1 neue Klänge</translation>
    </message>
    <message>
        <source>Every sound fits the unit now, with %1</source>
        <translation>Jetzt passen alle Klänge in die Klingel (%1)</translation>
    </message>
    <message>
        <source>%1 in the lists; 1 still does not fit</source>
        <translation>%1 in den Listen; 1 passt noch nicht</translation>
    </message>
    <message>
        <source>%1 in the lists; %2 still do not fit</source>
        <translation>%1 in den Listen; %2 passen noch nicht</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Song editing instructions could not be found</source>
        <translation>Die Anleitung zum Bearbeiten von Klängen wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>SupportReportDialog</name>
    <message>
        <source>Support Report</source>
        <translation>Supportbericht</translation>
    </message>
    <message>
        <source>Attach this report when you ask for help. It holds no sound and no song data, and paths in your home folder are shown as ~.</source>
        <translation>Hängen Sie diesen Bericht an, wenn Sie um Hilfe bitten. Er enthält keinen Klang und keine Klangdaten, und Pfade in Ihrem persönlichen Ordner erscheinen als ~.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation>In die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Save Support Report</source>
        <translation>Supportbericht speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Der Bericht konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Click or drag to set a marker. Home, End: start or end marker; arrows: 0.1 s, with Shift 1 s.</source>
        <translation>Klicken oder ziehen Sie, um eine Marke zu setzen. Pos1, Ende: Start- oder Endmarke; Pfeiltasten: 0,1 s, mit Umschalt 1 s.</translation>
    </message>
</context>
</TS>
