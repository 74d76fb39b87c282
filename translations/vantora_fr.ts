<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>© 2026 Vantora. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantora Programming Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product SW Version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApplicationTitle</name>
    <message>
        <source>Door Bell Programmer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ButtonFaces</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FINISH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CapacityDisplay</name>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile On Vantora : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit seen yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>No profile named &quot;%1&quot; in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent to the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you mean: %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you mean: %1 or %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sounds beyond a full button of %2 are left out, as in the editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 sound, %3 fit in the unit&apos;s memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 sounds, %3 fit in the unit&apos;s memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not fit in the unit&apos;s memory: %1 (Btn%2, %3 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming tool of the Vantora door bell. Without --status, --list,
--program or --support-report it opens its windows, with the editor on the
profile file when one is given. Windows already open take the file and come
to the front instead. When asking for help, attach the file that
--support-report FILE (or Help &gt; Save Support Report) writes.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe the unit once and print what the programmer sees: programmer, unit, memories, buttons, firmware and the profile on the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the profiles: number, name, sounds and bytes; * marks the profile on the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the profile &lt;name&gt; into the unit and verify it. With --status as well, it reports the unit as it is afterwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much of each sound --program reads back and compares: full, every byte (the default; 1.5 to 2 times as long as writing), or quick, the first KiB of each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the built-in simulated unit instead of a real programmer, at the pace of a real cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print --status and --list as one JSON object; other messages go to standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe the unit and write a support report into &lt;file&gt;: versions, programmer, unit, settings and the log of the last runs, with no song data and the home folder shown as ~. Attach it when asking for help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the log on standard error: every command sent to the programmer and its answer, the probes and the runs. Standard output stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the same log into &lt;file&gt; (begun afresh).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A profile file (.qvt) to open in the editor. A file outside the Profiles folder is copied into it first; a profile of the same name with other content is replaced only when you say so.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--verify goes with --program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with --status or --list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--program and --list do not go together: list the profiles on their own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos; (a name with blanks needs quotes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--program takes one profile at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--support-report needs the name of the file to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--log-file needs the name of the file to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--verify takes full or quick, not &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;vantora-programmer --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>old format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sound missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sounds missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No profiles in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile On Vantora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 MiB  %3 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The support report could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support report written to %1: attach it when you ask for help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit: Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit: Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory %1: device code %2, %3 bytes, profile number %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile On Vantora : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>No display found. The command line works without one: see vantora-programmer --help.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorHelpMenu</name>
    <message>
        <source>Sound editing instructions could not be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding &amp;Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remo&amp;ving Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous &amp;Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;gress Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FitPlanText</name>
    <message>
        <source>it is larger than each of the unit&apos;s memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not fit after the sounds before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it fits as it is, and smaller it makes room for &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, mono, %3 kbit/s, %4 → %5 bytes (%6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other sound stays as it is.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other %1 sounds stay as they are.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To fit the unit, this sound gets a new file beside the original, which stays as it is:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To fit the unit, these sounds get new files beside the originals, which stay as they are:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Changing this one sound is enough, and %1 kbit/s is the highest bit rate at which it fits.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
No plan that changes fewer sounds fits, and %1 kbit/s is the highest bit rate at which these fit.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the new file and put it in the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the new files and put them in the lists?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile cannot fit the unit, even with its sounds at %1 kbit/s mono: &quot;%2&quot; does not fit, and it cannot be read as an MP3 or WAV sound to make it smaller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile cannot fit the unit, even with its sounds at %1 kbit/s mono: &quot;%2&quot; does not fit. Keep fewer seconds of each sound, or remove sounds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpPane</name>
    <message>
        <source>&lt;p&gt;The help page %1 cannot be found in %2.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the help page before (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MakeItFit</name>
    <message>
        <source>Make It Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit seen yet: Make It Fit fits a profile to the unit&apos;s memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every sound fits the unit already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep at most how many seconds of each sound that is changed, from its start?
Leave it empty to keep whole sounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of seconds above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the sounds…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make It Fit was cancelled: the lists are as they were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the new sound…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1 new sounds…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new sounds could not be written: %1
The lists are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lists changed meanwhile: Make It Fit replaced nothing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NextChecks</name>
    <message>
        <source>The new profile has unsaved changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1 has unsaved changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>No program is installed to open %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileChoice</name>
    <message>
        <source>Select Profile :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieve &amp;Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileEditor</name>
    <message>
        <source>Create Song Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Song Profile - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Profile %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a profile file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file : %1 does not exist or has been moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Does Not Exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find It…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove From List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find MP3 File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles (*.qvt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to permanently delete the profile named %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletion canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR deleting profile %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1 deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR saving profile %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old list: %1 sounds left out, kept in %2.BAK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading stopped: %1 sounds not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sounds found in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save profile with out a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to a new profile?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create profile name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have exceeded the maximum number of profiles (65278). Cancelling new profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Number Of Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled new profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile with the same name already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 files (*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Wav files (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Missing Sounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgrammingPage</name>
    <message>
        <source>Program Vantora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Btn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify every byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not fit in the unit&apos;s memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming is in progress. Stop it? The unit will hold an incomplete profile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message>
        <source>No Songs To Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song Is Too Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure the unit is connected to a USB Port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the unit holds an incomplete profile. Program it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files are not MP3 or WAV sounds: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success! %1 seconds (1 sound did not fit and was not written)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success! %1 seconds (%2 sounds did not fit and were not written)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success! %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no sound on the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 have no sound on the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Btn%1 · %2 differs from its file at byte %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Btn%1 · %2 could not be read: it is missing, unreadable, or no longer %3 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not fit: each sound must fit into one memory of the unit (the largest holds %1 bytes); it and every sound after it are left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not fit: the unit&apos;s memories are full from here on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmer Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmer Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmer In Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantora Must Be Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the programmer (in use by another program)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmer in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedHelpEntries</name>
    <message>
        <source>Save S&amp;upport Report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual could not be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acquire Sounds from the &amp;Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Driver Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver installation instructions could not be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound recording instructions could not be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rip, &amp;Edit, Convert Sounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundEditDialog</name>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Sound - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays the selection from the start marker, as saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 (constant bit rate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV 16-bit PCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade &amp;in :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade &amp;out :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write as :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bit rate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection : %1, from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New file : about %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, larger than the original (%1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the sound...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound cannot be read: it does not open as an MP3 or WAV sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The waveform cannot be shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The edited sound could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundEditing</name>
    <message>
        <source>%1: nothing to keep between the marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the loudness could not be measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: too many edited copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sound of %1 Hz cannot be converted to %2 Hz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundListCommands</name>
    <message>
        <source>&amp;Add Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than the unit&apos;s memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files are not MP3 or WAV sounds: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select MP3 File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick or select the sounds to remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove 1 sound from every button?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all %1 sounds from every button?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 sound removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sounds removed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundListModel</name>
    <message>
        <source>Length : %1 seconds, %2 Hz, 1 channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length : %1 seconds, %2 Hz, %3 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name : %1
Path : %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Click To Play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an MP3 or WAV sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundLists</name>
    <message>
        <source>Btn%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listing of the songs to be downloaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>No sound output is available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundTools</name>
    <message>
        <source>1 sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;Sound…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Sound…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make It Fit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the sound to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the sound to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be edited: it does not open as an MP3 or WAV sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit seen yet: whether the profile fits shows once one is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile then fits the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile then does not fit the unit: %1 left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The edited sound was saved as %1; its row is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound is larger than the unit&apos;s memory. Make It Fit can write a shorter or smaller copy of it beside the original, which stays as it is. Make it fit now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make It Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 new sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 new sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every sound fits the unit now, with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in the lists; 1 still does not fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in the lists; %2 still do not fit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song editing instructions could not be found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportReportDialog</name>
    <message>
        <source>Support Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach this report when you ask for help. It holds no sound and no song data, and paths in your home folder are shown as ~.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied to the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Support Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <source>Click or drag to set a marker. Home, End: start or end marker; arrows: 0.1 s, with Shift 1 s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
