// The command table and the help texts.

#include "Commands.h"

namespace rk::cli {

namespace {

const Option kModel{QStringLiteral("model"), {}, true};
const Option kPort{QStringLiteral("port"), {}, true};
const Option kQuiet{QStringLiteral("quiet"), QLatin1Char('q'), false};
const Option kOutput{QStringLiteral("output"), QLatin1Char('o'), true};
const Option kAll{QStringLiteral("all"), {}, false};

// Option lines several commands share.
#define RK_MODEL_HELP                                                          \
    "  --model M       rk520 or rk7400; without it the image file's extension\n" \
    "                  decides (.rkd rk520, .zu1 rk7400)\n"
#define RK_PORT_HELP                                                           \
    "  --port P        COM1..COM8 or a device path such as /dev/ttyUSB0;\n"     \
    "                  without it rk520 uses COM1 and rk7400 tries COM1..COM8\n" \
    "  -q, --quiet     no progress on stderr\n"

const std::vector<Command> kCommands = {
    {"read", "copy the radio's memory into an image file",
     "Usage: rkradio read [--model M] [--port P] [--quiet] -o FILE\n"
     "\n"
     "Copies the radio's memory into the image file FILE. The file is written\n"
     "only once the whole memory has arrived.\n"
     "\n"
     "Options:\n"
     "  -o, --output FILE  the image file to write\n" RK_MODEL_HELP RK_PORT_HELP,
     {kModel, kPort, kQuiet, kOutput}, 0, 0, &RunRead},
    {"write", "copy an image file into the radio",
     "Usage: rkradio write [--model M] [--port P] [--no-backup] [--no-verify] [--dry-run] [--quiet] FILE\n"
     "       rkradio write --series [--model M] [--port P] [--no-backup] [--no-verify] [--quiet] FILE\n"
     "\n"
     "Checks the image file FILE as the programs do before a write and copies it\n"
     "into the radio: first the radio's memory is saved as a backup and the\n"
     "fields the write will change are listed on stderr, and after the write it\n"
     "is read back and compared. Backups go to the programs' backup folder.\n"
     "Exit status 1 when the check refuses the image or the read-back differs,\n"
     "4 when the radio or the port fails.\n"
     "\n"
     "With --dry-run nothing is written: the radio's memory is read (and kept as\n"
     "a backup) and the fields the write would change are listed on stdout, one\n"
     "a line as diff lists them. Exit status 0 when the radio already holds the\n"
     "image, 1 when the write would change something.\n"
     "\n"
     "With --series the image goes to several radios, one after another, each\n"
     "written as above. The first is written at once; then, for each next one,\n"
     "stderr says \"radio 2: connect it and press Enter (q and Enter to finish)\"\n"
     "and the command waits for a line on stdin: Enter writes the next radio,\n"
     "q or the end of input finishes, and after a radio that failed, r writes\n"
     "it again. Each radio's result is one line on stdout, \"radio 1: verified\",\n"
     "with one of the words verified, written, differs, partly-written,\n"
     "port-problem, silent, stopped or not-written and, after a colon, what went\n"
     "wrong. Its backups are named after the series and the radio\n"
     "(rk520-20261208-101502-series-03-before-write.rkd), and every attempt is a\n"
     "row of the series' log beside them (rk520-20261208-101502-series.csv),\n"
     "whose path is printed at the end. Ctrl+C stops the radio in progress and\n"
     "ends the series (at a prompt, as q). Exit status by each radio's last\n"
     "attempt: 4 when one failed on the port or the radio, was not written, or\n"
     "was written but not read back when it was to be; otherwise 1 when one\n"
     "differed; otherwise 0.\n"
     "\n"
     "Options:\n"
     "  --no-backup     do not save the radio's memory first (nor list the changes)\n"
     "  --no-verify     do not read the memory back after the write\n"
     "  --dry-run       list what the write would change and write nothing\n"
     "  --series        write radio after radio, each when Enter is pressed\n" RK_MODEL_HELP RK_PORT_HELP
     "                  and no list of changes\n",
     {kModel, kPort, kQuiet, {QStringLiteral("no-backup"), {}, false}, {QStringLiteral("no-verify"), {}, false},
      {QStringLiteral("dry-run"), {}, false}, {QStringLiteral("series"), {}, false}},
     1, 1, &RunWrite},
    {"verify", "compare the radio's memory with an image file",
     "Usage: rkradio verify [--model M] [--port P] [--quiet] FILE\n"
     "\n"
     "Reads the radio's memory and lists the fields in which it differs from the\n"
     "image file FILE. Exit status 1 when they differ.\n"
     "\n"
     "Options:\n" RK_MODEL_HELP RK_PORT_HELP,
     {kModel, kPort, kQuiet}, 1, 1, &RunVerify},
    {"ports", "list the serial devices and the COM names the programs give them",
     "Usage: rkradio ports\n"
     "\n"
     "Lists the serial devices found, one a line: the COM name the programs give\n"
     "the device (COM1..COM8; \"-\" for none), its path and, for a USB adapter,\n"
     "its vendor and product where the system knows them. RK_COM1..RK_COM8 name\n"
     "the devices when set. --port takes either the COM name or the path.\n",
     {}, 0, 0, &RunPorts},
    {"check", "run the check that every write to the radio passes",
     "Usage: rkradio check [--model M] FILE\n"
     "\n"
     "Runs the model's pre-write check on the image file FILE and prints OK, or\n"
     "every problem the check meets, one line each in the order a write meets\n"
     "them: each failing channel with the first rule it breaks. A write stops at\n"
     "the first. Exit status 1 when the check fails. The file is not changed.\n"
     "\n"
     "Options:\n" RK_MODEL_HELP,
     {kModel}, 1, 1, &RunCheck},
    {"new", "write the image of a new document",
     "Usage: rkradio new [--model M] [--band MHZ] [--time-limit MIN] -o FILE\n"
     "\n"
     "Writes to FILE the image a new document has in the programs: no channel\n"
     "configured and the settings a new document starts with. The way to start\n"
     "from nothing, for example before an import. A new document's band is 0,\n"
     "which no radio takes: give the band for an image that can be written.\n"
     "\n"
     "Options:\n"
     "  -o, --output FILE   the image file to write\n"
     "  --band MHZ          the band's lower edge in whole MHz: 100 to 480 for\n"
     "                      rk520, 100 to 400 for rk7400; the band is 20 MHz wide\n"
     "  --time-limit MIN    the transmit time limit, 0.1 to 10 minutes (5 unless\n"
     "                      given)\n" RK_MODEL_HELP,
     {kModel, kOutput, {QStringLiteral("band"), {}, true}, {QStringLiteral("time-limit"), {}, true}}, 0, 0, &RunNew},
    {"show", "print the settings and channels of an image",
     "Usage: rkradio show [--all] [--json] FILE\n"
     "\n"
     "Prints the settings (band, time limit, scan groups) and a table of the\n"
     "configured channels of the image file FILE.\n"
     "\n"
     "Options:\n"
     "  --all           every channel, configured or not\n"
     "  --json          everything in the image as one JSON document: every\n"
     "                  channel, every field, the spare bytes in hex\n",
     {kAll, {QStringLiteral("json"), {}, false}}, 1, 1, &RunShow},
    {"diff", "list the fields in which two images differ",
     "Usage: rkradio diff [--model M] FILE_A FILE_B\n"
     "\n"
     "Lists, field by field, where the image in FILE_B differs from the one in\n"
     "FILE_A; bytes that belong to no field are listed by their offset. Fields\n"
     "are named as the model's program names them in English (rk520 when\n"
     "neither --model nor an extension decides). Exit status 1 when the images\n"
     "differ, 0 when they are equal.\n"
     "\n"
     "Options:\n"
     RK_MODEL_HELP,
     {kModel}, 2, 2, &RunDiff},
    {"export", "write the channels of an image as a CSV channel table",
     "Usage: rkradio export [--model M] [--all] [--separator S] [-o CSV] FILE\n"
     "\n"
     "Writes the configured channels of the image file FILE as a CSV channel\n"
     "table, to CSV or to stdout. The model's greatest transmit split decides\n"
     "between a duplex offset and a split frequency.\n"
     "\n"
     "Options:\n"
     "  --all           one row for every channel, configured or not\n"
     "  --separator S   comma (the default) or semicolon: cells separated by ';'\n"
     "                  with decimal commas, as many European spreadsheets have them\n"
     "  -o, --output CSV  the file to write; stdout without it\n" RK_MODEL_HELP,
     {kModel, kAll, {QStringLiteral("separator"), {}, true}, kOutput}, 1, 1, &RunExport},
    {"import", "lay a CSV channel table over an image",
     "Usage: rkradio import [--model M] [--skip-invalid] --into FILE -o OUT CSV\n"
     "\n"
     "Reads the channel table CSV, overwrites the channels it names in a copy of\n"
     "the image file FILE and writes the result to OUT; every other byte stays as\n"
     "FILE has it. A table with any invalid row is refused as a whole, and each\n"
     "problem is listed as \"row N, column NAME: why\" (the header is row 1).\n"
     "Exit status 1 when the table is refused; nothing is written then.\n"
     "\n"
     "Options:\n"
     "  --into FILE     the image the table is laid over\n"
     "  -o, --output OUT  the image file to write (may be FILE itself)\n"
     "  --skip-invalid  import the valid rows and list the skipped ones\n"
     "  --model M       when the model is known (from here or an extension), a\n"
     "                  result that would not pass the pre-write check is noted\n",
     {kModel, kOutput, {QStringLiteral("into"), {}, true}, {QStringLiteral("skip-invalid"), {}, false}}, 1, 1,
     &RunImport},
    {"backups", "list the radio images kept in the backup folders",
     "Usage: rkradio backups [--model M] [--json]\n"
     "\n"
     "Lists the images kept from the radio by every read, by the backup before a\n"
     "write and by the check after it, newest first: time, kind (read,\n"
     "before-write, verify), configured channels and file. A file in a backup\n"
     "folder that holds no image is listed as unreadable.\n"
     "\n"
     "Options:\n"
     "  --model M       rk520 or rk7400: that program's backups only; without it\n"
     "                  both programs' backups\n"
     "  --json          the list as a JSON array\n",
     {kModel, {QStringLiteral("json"), {}, false}}, 0, 0, &RunBackups},
};

}  // namespace

const std::vector<Command>& Commands() { return kCommands; }

QString ProgramHelp() {
    QString help = QStringLiteral(
        "Usage: rkradio COMMAND [OPTIONS] [FILE...]\n"
        "\n"
        "Reads, checks, shows, compares and converts the memory images of the\n"
        "rk520 (.rkd files) and rk7400 (.zu1 files) handheld radios.\n"
        "\n"
        "Commands:\n");
    for (const Command& command : kCommands)
        help += QStringLiteral("  %1%2\n").arg(QString::fromLatin1(command.name).leftJustified(9), QString::fromUtf8(command.summary));
    help += QStringLiteral(
        "\n"
        "Options:\n"
        "  -h, --help      this help; \"rkradio COMMAND --help\" for a command's\n"
        "  -V, --version   the program's version\n"
        "\n"
        "Exit status: 0 success; 1 the check failed, the images differ or a table\n"
        "was refused; 2 usage error; 3 a file could not be read or written; 4 the\n"
        "radio or the port failed.\n");
    return help;
}

}  // namespace rk::cli
