<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
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
</TS>
