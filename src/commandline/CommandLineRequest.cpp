#include "commandline/CommandLineRequest.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "profiles/VisibleText.h"
#include "programmingrun/ExitStatus.h"
#include "translation/Translated.h"

namespace {

const char* const Description = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Programming tool of the Vantora door bell. Without --status, --list,\n"
    "--program or --support-report it opens its windows, with the editor on the\n"
    "profile file when one is given. Windows already open take the file and come\n"
    "to the front instead. When asking for help, attach the file that\n"
    "--support-report FILE (or Help > Save Support Report) writes.");

const char* const ExitStatuses = QT_TRANSLATE_NOOP(
    "CommandLine",
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  unexpected error, or the log file or support report cannot be written\n"
    "  2  usage: unknown option, missing value, stray argument, --program given\n"
    "     twice, --verify neither full nor quick;\n"
    "     or no display to open the windows on\n"
    "  3  profile not found, unreadable or not a profile file\n"
    "  4  a sound file of the profile is missing or not an MP3 or WAV sound\n"
    "     (nothing is sent)\n"
    "  5  programmer not found, or in use by another program for 30 seconds\n"
    "  6  unit not connected: the programmer is there, the unit does not answer\n"
    "  7  nothing fits: no sound of the profile fits into the unit, or it has none\n"
    "  8  writing or verifying failed\n"
    "  9  written and verified, but sounds were left out: they did not fit\n"
    " 64  options that do not go together: --verify without --program, --json\n"
    "     without --status or --list, --program with --list\n"
    "130  stopped by Ctrl+C: the unit holds an incomplete profile\n");

// Every option, so that help and parsing never differ.
void AddOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(QCoreApplication::translate("CommandLine", Description));
  // "-status" is taken as "--status", not as the letters s, t, a, ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({
      {QStringLiteral("status"),
       QCoreApplication::translate(
           "CommandLine",
           "Probe the unit once and print what the programmer sees: programmer, "
           "unit, memories, buttons, firmware and the profile on the unit.")},
      {QStringLiteral("list"),
       QCoreApplication::translate(
           "CommandLine",
           "List the profiles: number, name, sounds and bytes; * marks the profile on "
           "the unit.")},
      {QStringLiteral("program"),
       QCoreApplication::translate(
           "CommandLine",
           "Write the profile <name> into the unit and verify it. With --status as "
           "well, it reports the unit as it is afterwards."),
       QStringLiteral("name")},
      {QStringLiteral("verify"),
       QCoreApplication::translate(
           "CommandLine",
           "How much of each sound --program reads back and compares: full, every "
           "byte (the default; 1.5 to 2 times as long as writing), or quick, the first "
           "KiB of each."),
       QStringLiteral("full|quick"), QStringLiteral("full")},
      {QStringLiteral("simulate"),
       QCoreApplication::translate(
           "CommandLine",
           "Use the built-in simulated unit instead of a real programmer, at the "
           "pace of a real cable.")},
      {QStringLiteral("json"),
       QCoreApplication::translate(
           "CommandLine",
           "Print --status and --list as one JSON object; other messages go to "
           "standard error.")},
      {QStringLiteral("support-report"),
       QCoreApplication::translate(
           "CommandLine",
           "Probe the unit and write a support report into <file>: versions, "
           "programmer, unit, settings and the log of the last runs, with no song "
           "data and the home folder shown as ~. Attach it when asking for help."),
       QStringLiteral("file")},
      {QStringLiteral("debug"),
       QCoreApplication::translate(
           "CommandLine",
           "Show the log on standard error: every command sent to the programmer "
           "and its answer, the probes and the runs. Standard output stays as it "
           "is.")},
      {QStringLiteral("log-file"),
       QCoreApplication::translate("CommandLine", "Write the same log into <file> (begun afresh)."),
       QStringLiteral("file")},
      {{QStringLiteral("h"), QStringLiteral("help")},
       QCoreApplication::translate("CommandLine", "Show this help.")},
      {{QStringLiteral("v"), QStringLiteral("version")},
       QCoreApplication::translate("CommandLine", "Show the version.")},
  });
  parser.addPositionalArgument(
      QStringLiteral("file"),
      QCoreApplication::translate(
          "CommandLine",
          "A profile file (.qvt) to open in the editor. A file outside the Profiles "
          "folder is copied into it first; a profile of the same name with other "
          "content is replaced only when you say so."),
      QStringLiteral("[file]"));
}

// Qt's own options for the windows, which QApplication takes out of the
// arguments: accepted here so that they still reach it.
void AddWindowSystemOptions(QCommandLineParser& parser) {
  for (const char* name :
       {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet",
        "title", "name", "visual", "qmljsdebugger"}) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// Why options that are each right make no sense together; empty when they
// do. Such a request is refused before anything starts, rather than half done.
std::string OptionsThatDoNotGoTogether(const QCommandLineParser& parser,
                                       const CommandLineRequest& request) {
  if (parser.isSet(QStringLiteral("verify")) && !request.Program) {
    return Translated("CommandLine", "--verify goes with --program.");
  }
  if (request.Json && !request.Status && !request.List) {
    return Translated("CommandLine", "--json goes with --status or --list.");
  }
  if (request.Program && request.List) {
    return Translated("CommandLine",
                      "--program and --list do not go together: list the profiles on their own.");
  }
  return {};
}

}  // namespace

bool CommandLineRequest::OpensWindows() const {
  return !Status && !List && !Program && !Json && SupportReport.isEmpty() && !AsksOnlyForText();
}

CommandLineRequest ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  AddOptions(parser);
  AddWindowSystemOptions(parser);
  CommandLineRequest request;
  const bool parsed = parser.parse(arguments);
  request.Help = parser.isSet(QStringLiteral("help"));
  request.Version = parser.isSet(QStringLiteral("version"));
  request.Simulate = parser.isSet(QStringLiteral("simulate"));
  request.Status = parser.isSet(QStringLiteral("status"));
  request.List = parser.isSet(QStringLiteral("list"));
  request.Json = parser.isSet(QStringLiteral("json"));
  request.Debug = parser.isSet(QStringLiteral("debug"));
  request.LogFile = parser.value(QStringLiteral("log-file"));
  request.SupportReport = parser.value(QStringLiteral("support-report"));
  request.Platform = parser.value(QStringLiteral("platform"));
  if (parser.isSet(QStringLiteral("program"))) {
    QString name = parser.value(QStringLiteral("program"));
    // A name completed by the shell, or copied from the folder, carries the suffix.
    if (name.endsWith(QLatin1String(".qvt"), Qt::CaseInsensitive)) name.chop(4);
    request.Program = name.toStdString();
  }
  const QString verify = parser.value(QStringLiteral("verify"));
  request.Verify = verify == QLatin1String("quick") ? Verification::Quick : Verification::Full;
  // The windows take one profile file; the modes take none.
  const bool modes = request.Status || request.List || request.Program || request.Json ||
                     parser.isSet(QStringLiteral("support-report"));
  const QStringList positional = parser.positionalArguments();
  const qsizetype files = modes ? 0 : 1;
  if (!modes && !positional.isEmpty()) request.ProfileFile = positional.first();
  if (!parsed) {
    request.Error = parser.errorText().toStdString();
  } else if (positional.size() > files) {
    request.Error = Filled(
        Translated("CommandLine", "Unexpected argument '%1' (a name with blanks needs quotes)."),
        {positional.at(files).toStdString()});
  } else if (parser.values(QStringLiteral("program")).size() > 1) {
    request.Error = Translated("CommandLine", "--program takes one profile at a time.");
  } else if (parser.isSet(QStringLiteral("support-report")) && request.SupportReport.isEmpty()) {
    request.Error =
        Translated("CommandLine", "--support-report needs the name of the file to write.");
  } else if (parser.isSet(QStringLiteral("log-file")) && request.LogFile.isEmpty()) {
    request.Error = Translated("CommandLine", "--log-file needs the name of the file to write.");
  } else if (verify != QLatin1String("full") && verify != QLatin1String("quick")) {
    request.Error = Filled(Translated("CommandLine", "--verify takes full or quick, not '%1'."),
                           {verify.toStdString()});
  } else if (std::string conflict = OptionsThatDoNotGoTogether(parser, request);
             !conflict.empty()) {
    request.Error = std::move(conflict);
    request.ErrorStatus = ExitOptionsDoNotGoTogether;
  }
  return request;
}

int PrintTextAnswer(const CommandLineRequest& request, std::ostream& out, std::ostream& err) {
  if (!request.Error.empty()) {
    err << "vantora-programmer: " << VisibleText(request.Error) << "\n"
        << Translated("CommandLine", "Try 'vantora-programmer --help' for more information.")
        << "\n";
    return request.ErrorStatus;
  }
  if (request.Help) {
    QCommandLineParser parser;
    AddOptions(parser);
    out << parser.helpText().toStdString() << Translated("CommandLine", ExitStatuses);
  } else {
    out << "vantora-programmer " << VANTORA_VERSION << "\n";
  }
  return ExitSuccess;
}
