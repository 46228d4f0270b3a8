// The English help texts of prefdesk-host, one constant a text, so that the Chinese table
// can key its entries by them.
#pragma once

namespace prefdesk::cli {

inline constexpr const char* kDatabaseOptions =
    "  --defaults PATH   the local defaults database (default: $PREFDESK_HOME/local.db)\n"
    "  --server SPEC     sqlite:PATH (default: sqlite:$PREFDESK_HOME/server.db) or\n"
    "                    postgresql://USER@HOST/DB; several hosts:\n"
    "                    postgresql://USER@H1:P1,H2:P2/DB?target_session_attrs=read-write\n"
    "  --schema NAME     the schema of the server tables on PostgreSQL (default: prefdesk)\n"
    "  --read-server URL  PostgreSQL: where queries outside a save go, e.g. a hot standby\n"
    "                    (...?target_session_attrs=prefer-standby); a client reads its own\n"
    "                    saves from the primary until the standby has replayed them\n"
    "  --verbose         say on stderr which server (HOST:PORT) each connection reached\n"
    "  --lang en|zh      the interface language (default: from LC_ALL, LC_MESSAGES, LANG)\n";

inline constexpr const char* kInitHelp =
    "usage: prefdesk-host init [--force] [--row-security] [--data DIR] [--defaults PATH]\n"
    "                          [--server SPEC]\n"
    "       prefdesk-host init --upgrade [--data DIR] [--server SPEC]\n"
    "Creates the local defaults database and the server database from the SQL in DIR\n"
    "(default: the installed data folder): a SQLite file, or on PostgreSQL the schema of\n"
    "--schema with its tables. Refuses to replace an existing file or schema unless --force\n"
    "is given, and always a target that is not a regular file or a schema holding tables it\n"
    "did not create. --row-security (PostgreSQL): the role of each user (see add-user) reaches\n"
    "only that user's rows; the role running init administers every user.\n"
    "--upgrade brings an existing server database up to what init makes today, keeping every\n"
    "user's rows: one line per step says what it found and did. A user's second row for one\n"
    "title or list (which the unique indexes refuse) is named, and the row the dialog and bar\n"
    "show (the lowest position) is kept.\n";

inline constexpr const char* kOptionsHelp =
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
    "A script is text of at most 1 MB, lines of at most 4096 bytes. Example: examples/demo.script\n";

inline constexpr const char* kBarHelp =
    "usage: prefdesk-host bar --user N [--json]\n"
    "Prints the user's navigation column bar (ReadColumnsBar) as an indented tree or JSON.\n";

inline constexpr const char* kSettingsHelp =
    "usage: prefdesk-host settings --user N [--show-origin] [--json]\n"
    "Prints every single setting as the GetVal readers give it: the user's row on the server,\n"
    "else the local default or a fixed value. --show-origin says which: server, local default\n"
    "or fixed.\n";

inline constexpr const char* kGetHelp =
    "usage: prefdesk-host get --user N KEY [--show-origin] [--json]\n"
    "Prints one setting as the readers give it. KEY is a name that `settings` prints.\n";

inline constexpr const char* kSetHelp =
    "usage: prefdesk-host set --user N KEY VALUE [--json]\n"
    "Stores one setting in the user's row on the server. A value the reader would reject is\n"
    "refused (exit 2, nothing written); `describe KEY` shows what each setting accepts. The\n"
    "calendar values and the two expense values are read as a set, so setting one stores the\n"
    "others of its set as the user gets them now. --json prints what was stored.\n";

inline constexpr const char* kDescribeHelp =
    "usage: prefdesk-host describe KEY [--json] [--user N]\n"
    "Describes one setting: its type, the values it accepts, its factory default (the local\n"
    "defaults database, or the value fixed in the reader) and where it is stored. With --user,\n"
    "also the value user N gets now and where it comes from: server, local default or fixed.\n";

inline constexpr const char* kExportHelp =
    "usage: prefdesk-host export --user N [--file F]\n"
    "Writes the user's stored preferences as one JSON document to F (default: stdout): the\n"
    "settings row, the layout (titles and lists with positions, visibility, primary flags and\n"
    "default queries) and the appearance schemes. A regular file F is replaced whole; a FIFO,\n"
    "a character device or /dev/stdout is written into.\n";

inline constexpr const char* kImportHelp =
    "usage: prefdesk-host import --user N [--file F]\n"
    "Replaces the user's stored preferences with those of an exported document (F, default:\n"
    "stdin). The whole document is checked first (exit 2 naming the first fault); then it is\n"
    "written in one transaction: all or nothing.\n";

inline constexpr const char* kCopyUserHelp =
    "usage: prefdesk-host copy-user --from A --to B [--yes]\n"
    "Gives user B the stored preferences of user A (settings, layout, schemes), replacing B's.\n"
    "Default queries are not copied: a saved query belongs to its user. Asks first when B\n"
    "has something stored; --yes skips the question.\n";

inline constexpr const char* kListUsersHelp =
    "usage: prefdesk-host list-users [--json]\n"
    "Lists the users that have stored preferences, with what each has stored.\n";

inline constexpr const char* kDefaultColumnHelp =
    "usage: prefdesk-host default-column --user N [--json]\n"
    "Prints the name and caption of the user's primary title (GetDefaultColumn).\n";

inline constexpr const char* kInvokeHelp =
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
    "  prefdesk-host invoke --user 3 ReadColumnsBar @ConnectionString @DataCenter\n";

inline constexpr const char* kResetHelp =
    "usage: prefdesk-host reset --user N [--layout|--settings|--schemes|--all] [--yes]\n"
    "       prefdesk-host reset --user N KEY... [--yes]\n"
    "Removes what the user has stored, so that the defaults apply again: the layout of titles\n"
    "and lists (--layout, the default), the settings row (--settings), the appearance schemes\n"
    "(--schemes) or all three (--all), in one transaction. With KEYs, only those settings: a\n"
    "calendar or expense value is read with the others of its set, so its whole set is reset.\n"
    "Asks first; --yes skips the question.\n";

inline constexpr const char* kAddUserHelp =
    "usage: prefdesk-host add-user --user N --role NAME [--yes] --server postgresql://...\n"
    "Makes the existing database role NAME user N of a schema built with init --row-security\n"
    "and grants it what a client needs: it then reaches user N's rows and no others, and a\n"
    "client logged in as NAME that puts UserID 0 gets N. Run it as the role that ran init.\n"
    "When user N is another role already, it asks first (--yes: make NAME user N too).\n";

inline constexpr const char* kRemoveUserHelp =
    "usage: prefdesk-host remove-user --role NAME --server postgresql://...\n"
    "Takes back what add-user gave role NAME; the user's saved rows stay.\n";

inline constexpr const char* kMonitorHelp =
    "usage: prefdesk-host monitor --user N [--json] | --all [--json]\n"
    "Prints a line for each committed change of user N's stored preferences (--all: of every\n"
    "user; on a row-secured server only the administrator may), whoever made it: the time, the\n"
    "user and what changed (settings, layout, queries, schemes). Runs until interrupted (Ctrl-C:\n"
    "exit 0). A lost server connection is made again, said once on stderr, and the time it was\n"
    "lost is reported as \"may have changed\"; a replaced SQLite file is followed.\n";

inline constexpr const char* kCompletionHelp =
    "usage: prefdesk-host completion bash\n"
    "Prints the bash completion of prefdesk-host: its commands, their options and the setting\n"
    "names. The package installs it; to try it in a shell: source <(prefdesk-host completion bash)\n";

inline constexpr const char* kEnvironment =
    "\nEnvironment:\n"
    "  PREFDESK_HOME           the folder of local.db and server.db (default:\n"
    "                          $XDG_DATA_HOME/prefdesk, else ~/.local/share/prefdesk; without\n"
    "                          HOME, the home folder of the password database)\n"
    "  XDG_DATA_HOME           the folder of per-user data, when PREFDESK_HOME is not set\n"
    "  PREFDESK_DATA_DIR       the folder of the SQL that init runs (default: the installed copy)\n"
    "  PREFDESK_STATEMENT_LOG  a file that receives, as the command ends, the statements it ran\n"
    "                          on SQLite, as a script for the sqlite3 program\n"
    "  LC_ALL, LC_MESSAGES, LANG  the first one set decides the language: zh... is Chinese\n";

inline constexpr const char* kExitCodes =
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

inline constexpr const char* kProgramUsage =
    "usage: prefdesk-host COMMAND [OPTIONS]   (prefdesk-host help COMMAND for more)\n"
    "       prefdesk-host --version\n"
    "The per-user preferences of the customer-relationship client, from the command line.\n\n"
    "Commands:\n";

inline constexpr const char* kCommonOptionsHeading = "\nCommon options (before or after the command):\n";

}  // namespace prefdesk::cli
