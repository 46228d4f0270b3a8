// The help texts and the table of subcommands.
#include <string>

#include "host/cli/commands.h"

namespace prefdesk::cli {

namespace {

constexpr const char* kDatabaseOptions =
    "  --defaults PATH   the local defaults database (default: $PREFDESK_HOME/local.db)\n"
    "  --server SPEC     sqlite:PATH (default: sqlite:$PREFDESK_HOME/server.db) or\n"
    "                    postgresql://USER@HOST/DB\n"
    "  --schema NAME     the schema of the server tables on PostgreSQL (default: prefdesk)\n"
    "  --lang en|zh      the interface language (default: from LC_ALL, LC_MESSAGES, LANG)\n";

const std::string kInitHelp = std::string(
    "usage: prefdesk-host init [--force] [--row-security] [--data DIR] [--defaults PATH]\n"
    "                          [--server SPEC]\n"
    "Creates the local defaults database and the server database from the SQL in DIR\n"
    "(default: the installed data folder): a SQLite file, or on PostgreSQL the schema of\n"
    "--schema with its tables. Refuses to replace an existing file or schema unless --force\n"
    "is given, and always a target that is not a regular file or a schema holding tables it\n"
    "did not create. --row-security (PostgreSQL): the role of each user (see add-user) reaches\n"
    "only that user's rows; the role running init administers every user.\n") + kDatabaseOptions;

const std::string kOptionsHelp = std::string(
    "usage: prefdesk-host options --user N [--ui qt|headless] [--script FILE] [--appearance-tab]\n"
    "                             [--json]\n"
    "Opens the options dialog for user N and prints the OptionSuccess outcome (exit 1 when the\n"
    "save failed or the dialog could not be loaded; --json says which).\n"
    "  --appearance-tab  switch the Appearance tab on (off by default)\n"
    "  --ui qt        real windows (default when DISPLAY or WAYLAND_DISPLAY is set)\n"
    "  --ui headless  no windows: FILE says what the person does (implied by --script)\n"
    "Script lines (one action a line, '#' comments, \"quotes\" keep blanks; ITEM is a\n"
    "0-based index or the item's text):\n"
    "  tab CAPTION|INDEX            click LIST ITEM          choose LIST ITEM\n"
    "  check LIST ITEM [on|off]     move LIST ITEM top|up|down|bottom\n"
    "  type TEXTBOX TEXT            press BUTTON\n"
    "  answer msgbox yes|no|ok|cancel|abort|retry|ignore    answer input TEXT\n"
    "  ok | cancel                  (the last line)\n"
    "A script is text of at most 1 MB, lines of at most 4096 bytes. Example: examples/demo.script\n") + kDatabaseOptions;

const std::string kBarHelp = std::string(
    "usage: prefdesk-host bar --user N [--json]\n"
    "Prints the user's navigation column bar (ReadColumnsBar) as an indented tree or JSON.\n") +
    kDatabaseOptions;

const std::string kSettingsHelp = std::string(
    "usage: prefdesk-host settings --user N [--show-origin] [--json]\n"
    "Prints every single setting as the GetVal readers give it: the user's row on the server,\n"
    "else the local default or a fixed value. --show-origin says which: server, local default\n"
    "or fixed.\n") + kDatabaseOptions;

const std::string kGetHelp = std::string(
    "usage: prefdesk-host get --user N KEY [--show-origin] [--json]\n"
    "Prints one setting as the readers give it. KEY is a name that `settings` prints.\n") + kDatabaseOptions;

const std::string kSetHelp = std::string(
    "usage: prefdesk-host set --user N KEY VALUE\n"
    "Stores one setting in the user's row on the server. A value the reader would reject is\n"
    "refused (exit 2, nothing written):\n"
    "  MaxHistoryRecords          5, 10, 15, 20, 30 or 50\n"
    "  ProductComparisonRecords   0, 5, 10, 20, 30, 40 or 50\n"
    "  MonthLength, QuarterLength, YearLength   3, 6, 9 or 12\n"
    "  AppointmentDuration, AppointmentStartDayTime, AppointmentEndDayTime,\n"
    "  AppointmentAlarmBeforeTime HH:MM, minutes a multiple of 5; the day starts before it ends\n"
    "  AppointTimeSlotInterval    15, 30, 60, 120, 180 or 240\n"
    "  ExpenseChargeNumber        a text of 1 to 50 characters\n"
    "  ExpenseCashAdvance         an amount above 0, at most 4 decimals\n"
    "The calendar values and the two expense values are read as a set, so setting one stores\n"
    "the others of its set as the user gets them now.\n") + kDatabaseOptions;

const std::string kExportHelp = std::string(
    "usage: prefdesk-host export --user N [--file F]\n"
    "Writes the user's stored preferences as one JSON document to F (default: stdout): the\n"
    "settings row, the layout (titles and lists with positions, visibility, primary flags and\n"
    "default queries) and the appearance schemes. A regular file F is replaced whole; a FIFO,\n"
    "a character device or /dev/stdout is written into.\n") + kDatabaseOptions;

const std::string kImportHelp = std::string(
    "usage: prefdesk-host import --user N [--file F]\n"
    "Replaces the user's stored preferences with those of an exported document (F, default:\n"
    "stdin). The whole document is checked first (exit 2 naming the first fault); then it is\n"
    "written in one transaction: all or nothing.\n") + kDatabaseOptions;

const std::string kCopyUserHelp = std::string(
    "usage: prefdesk-host copy-user --from A --to B [--yes]\n"
    "Gives user B the stored preferences of user A (settings, layout, schemes), replacing B's.\n"
    "Default queries are not copied: a saved query belongs to its user. Asks first when B\n"
    "has something stored; --yes skips the question.\n") + kDatabaseOptions;

const std::string kListUsersHelp = std::string(
    "usage: prefdesk-host list-users [--json]\n"
    "Lists the users that have stored preferences, with what each has stored.\n") + kDatabaseOptions;

const std::string kDefaultColumnHelp = std::string(
    "usage: prefdesk-host default-column --user N [--json]\n"
    "Prints the name and caption of the user's primary title (GetDefaultColumn).\n") + kDatabaseOptions;

const std::string kInvokeHelp = std::string(
    "usage: prefdesk-host invoke [--user N] CALL...\n"
    "Calls members of ClsPrefdesk by name, as a scripting host does, one after the other in\n"
    "one process, and prints each result and output parameter. A CALL is\n"
    "  MEMBER [ARG...] or --call MEMBER [ARG...]   a method; its ARGs run to the next --word\n"
    "  --put NAME VALUE                            put a property (seen by the calls after it)\n"
    "  --get NAME                                  read a property\n"
    "ARG: @DataCenter, @BaseConn, @ConnectionString (the opened databases), a number, true,\n"
    "false, - (omitted) or text; after -- every word is an ARG. Output parameters left off at\n"
    "the end are passed empty. Exits 1 when a method's Boolean result says it failed or a save\n"
    "reports E_OptionFail. A put lives in this process only: `set` stores a setting. Examples:\n"
    "  prefdesk-host invoke --user 3 GetValMaxHistoryRecords @DataCenter @BaseConn\n"
    "  prefdesk-host invoke --user 3 --put MaxHistoricalRecords 50 --get MaxHistoricalRecords\n"
    "  prefdesk-host invoke --user 3 ReadColumnsBar @ConnectionString @DataCenter\n") + kDatabaseOptions;

const std::string kResetHelp = std::string(
    "usage: prefdesk-host reset --user N [--layout|--settings|--schemes|--all] [--yes]\n"
    "Removes what the user has stored, so that the defaults apply again: the layout of titles\n"
    "and lists (--layout, the default), the settings row (--settings), the appearance schemes\n"
    "(--schemes) or all three (--all), in one transaction. Asks first; --yes skips the question.\n") +
    kDatabaseOptions;

const std::string kAddUserHelp = std::string(
    "usage: prefdesk-host add-user --user N --role NAME [--yes] --server postgresql://...\n"
    "Makes the existing database role NAME user N of a schema built with init --row-security\n"
    "and grants it what a client needs: it then reaches user N's rows and no others, and a\n"
    "client logged in as NAME that puts UserID 0 gets N. Run it as the role that ran init.\n"
    "When user N is another role already, it asks first (--yes: make NAME user N too).\n") +
    kDatabaseOptions;

const std::string kRemoveUserHelp = std::string(
    "usage: prefdesk-host remove-user --role NAME --server postgresql://...\n"
    "Takes back what add-user gave role NAME; the user's saved rows stay.\n") + kDatabaseOptions;

}  // namespace

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"init", "create the local defaults and embedded server databases", kInitHelp.c_str(), RunInit},
      {"options", "open the options dialog (Qt, or headless with a script)", kOptionsHelp.c_str(), RunOptions},
      {"bar", "print the user's navigation column bar", kBarHelp.c_str(), RunBar},
      {"settings", "print the user's single settings", kSettingsHelp.c_str(), RunSettings},
      {"get", "print one setting", kGetHelp.c_str(), RunGet},
      {"set", "store one setting, checked as the reader checks it", kSetHelp.c_str(), RunSet},
      {"default-column", "print the user's primary title", kDefaultColumnHelp.c_str(), RunDefaultColumn},
      {"invoke", "call a member of ClsPrefdesk by name", kInvokeHelp.c_str(), RunInvoke},
      {"reset", "remove the user's stored layout, settings or schemes", kResetHelp.c_str(), RunReset},
      {"export", "write the user's preferences as a JSON document", kExportHelp.c_str(), RunExport},
      {"import", "replace the user's preferences with a document's", kImportHelp.c_str(), RunImport},
      {"copy-user", "give a user another user's preferences", kCopyUserHelp.c_str(), RunCopyUser},
      {"list-users", "list the users with stored preferences", kListUsersHelp.c_str(), RunListUsers},
      {"add-user", "let a server role reach one user's rows", kAddUserHelp.c_str(), RunAddUser},
      {"remove-user", "take back what add-user gave a role", kRemoveUserHelp.c_str(), RunRemoveUser},
  };
  return commands;
}

std::string ProgramHelp() {
  std::string help =
      "usage: prefdesk-host COMMAND [OPTIONS]   (prefdesk-host COMMAND --help for more)\n"
      "The per-user preferences of the customer-relationship client, from the command line.\n\n"
      "Commands:\n";
  for (const Command& command : Commands()) {
    help += "  " + std::string(command.name) + std::string(16 - std::string(command.name).size(), ' ') +
            command.summary + "\n";
  }
  help += std::string("\nCommon options (before or after the command):\n") + kDatabaseOptions +
          "\nExit codes:\n"
          "  0  done\n"
          "  1  the component or the server reported a failure (its message is printed)\n"
          "  2  usage: unknown command or option, missing or malformed value, a value or\n"
          "     document that would be refused\n"
          "  3  a database file is missing, unreadable or not of this program\n"
          "  4  unknown user: a user id is a whole number from 1 to 32767\n"
          "  5  a line of the script is wrong or cannot be carried out (FILE:LINE: message)\n"
          "  6  the server cannot be reached\n"
          "  7  refused: init would replace a file or schema, reset or copy-user was not confirmed,\n"
          "     a role cannot be made a user\n"
          "  8  no display: the dialog in real windows (--ui qt) cannot open a window\n"
          "Errors are one line on stderr; nothing is written then.\n";
  return help;
}

}  // namespace prefdesk::cli
