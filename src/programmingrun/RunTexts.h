#pragma once

#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "device/ProgrammingResult.h"
#include "device/SoundPacking.h"
#include "programmingrun/RunPreflight.h"

// What the outcomes of a run are called, the same on the programming page
// and on the command line. The constants are English; where they are shown
// they go through Translated("RunTexts", ...).

// The programmer line, and a run asked for without a unit.
inline constexpr char ProgrammerReadyText[] = QT_TRANSLATE_NOOP("RunTexts", "Programmer Ready");
inline constexpr char ProgrammerNotFoundText[] =
    QT_TRANSLATE_NOOP("RunTexts", "Programmer Not Found");
inline constexpr char ProgrammerInUseText[] = QT_TRANSLATE_NOOP("RunTexts", "Programmer In Use");
inline constexpr char UnitMustBeConnectedText[] =
    QT_TRANSLATE_NOOP("RunTexts", "Vantora Must Be Connected");
// Another program holds the programmer.
inline constexpr char WaitingForProgrammerText[] =
    QT_TRANSLATE_NOOP("RunTexts", "Waiting for the programmer (in use by another program)\u2026");
inline constexpr char ProgrammerHeldElsewhereText[] =
    QT_TRANSLATE_NOOP("RunTexts", "Programmer in use by another program");
// What a run is doing.
inline constexpr char WritingText[] = QT_TRANSLATE_NOOP("RunTexts", "Writing\u2026");
inline constexpr char VerifyingText[] = QT_TRANSLATE_NOOP("RunTexts", "Verifying\u2026");

// The text of a result that is no success: "ERROR -5.", "No Songs To
// Program", ...; empty for success.
std::string ResultText(ProgrammingCode code);
// What a refusal of the programmer, the unit or the fit says, as the command
// line tells it ("Programmer Not Found", "Song Is Too Large", ...); the
// profile's own faults name their files instead.
std::string ObstacleText(RunObstacle obstacle);
// "These files are not MP3 or WAV sounds: a.mp3, b.wav"
std::string NotSoundsText(const std::vector<std::string>& fileNames);
// Elapsed milliseconds as seconds in the shortest decimal form: 2500 gives
// "2.5", 3000 gives "3".
std::string SecondsText(std::int64_t milliseconds);
// What a successful run shows: "Success! 3 seconds", and how many sounds it
// left out when some did not fit.
std::string SuccessText(std::int64_t elapsedMilliseconds, std::size_t notWrittenCount);
// The line that names the buttons (1 to 8) left without a sound ("Btn2 has
// no sound on the unit"); empty when there are none.
std::string EmptyButtonsText(const std::vector<int>& buttons);
// Where a song read back differs from its file: "Btn2 · chime.mp3 differs
// from its file at byte 5,000" (its button, its name, the byte from 0).
std::string DifferenceText(int button, const std::string& fileName, std::int64_t byte);
// Which song's file could not be read whole: "Btn2 · knock.wav could not be
// read: it is missing, unreadable, or no longer 200,000 bytes".
std::string UnreadableText(int button, const std::string& fileName, std::int64_t listedSize);
// Why the plan's sound at `index` is left out of the unit, naming the rule
// that leaves it out: for the first that does not fit, why it does not; for
// those after it, that sounds are never skipped, and which was the first.
// Empty for a sound that fits.
std::string LeftOutText(const ProgrammingPlan& plan, std::size_t index);
