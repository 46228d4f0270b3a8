// The Chinese of prefdesk-host: help, errors, prompts, labels. Keyed by the English text of the
// code; names of commands, options, settings, tables and members stay as they are.
#include "host/cli/help_texts.h"
#include "host/cli/translation.h"

namespace prefdesk::cli {

const std::vector<Translation>& ChineseMessages() {
  static const std::vector<Translation> table = {
      // Help.
      {kProgramUsage,
       "用法：prefdesk-host 命令 [选项]   （prefdesk-host help 命令 可查看详细说明）\n"
       "      prefdesk-host --version\n"
       "在命令行上管理客户关系管理客户端的每用户偏好设置。\n\n"
       "命令：\n"},
      {kCommonOptionsHeading, "\n通用选项（可放在命令之前或之后）：\n"},
      {kDatabaseOptions,
       "  --defaults PATH   本地默认值数据库（默认：$PREFDESK_HOME/local.db）\n"
       "  --server SPEC     sqlite:PATH（默认：sqlite:$PREFDESK_HOME/server.db）或\n"
       "                    postgresql://USER@HOST/DB；多个主机：\n"
       "                    postgresql://USER@H1:P1,H2:P2/DB?target_session_attrs=read-write\n"
       "  --schema NAME     PostgreSQL 上存放服务器表的模式（默认：prefdesk）\n"
       "  --read-server URL  PostgreSQL：保存以外的查询发往何处，例如热备服务器\n"
       "                    （...?target_session_attrs=prefer-standby）；客户端在备用服务器\n"
       "                    重放其保存之前，从主服务器读取自己刚保存的内容\n"
       "  --verbose         在 stderr 上说明每个连接到达的服务器（HOST:PORT）\n"
       "  --lang en|zh      界面语言（默认取自 LC_ALL、LC_MESSAGES、LANG）\n"},
      {kEnvironment,
       "\n环境变量：\n"
       "  PREFDESK_HOME           local.db 和 server.db 所在的文件夹（默认：\n"
       "                          $XDG_DATA_HOME/prefdesk，否则为 ~/.local/share/prefdesk；未设置\n"
       "                          HOME 时使用口令数据库中登记的主文件夹）\n"
       "  XDG_DATA_HOME           未设置 PREFDESK_HOME 时存放每用户数据的文件夹\n"
       "  PREFDESK_DATA_DIR       init 所执行的 SQL 所在的文件夹（默认：安装的副本）\n"
       "  PREFDESK_STATEMENT_LOG  命令结束时写入该命令在 SQLite 上执行过的语句的文件，\n"
       "                          格式为 sqlite3 程序可执行的脚本\n"
       "  LC_ALL、LC_MESSAGES、LANG  第一个已设置的变量决定语言：以 zh 开头即为中文\n"},
      {kExitCodes,
       "\n退出码：\n"
       "  0  完成\n"
       "  1  组件或服务器报告失败（会打印其消息）\n"
       "  2  用法错误：未知的命令或选项，缺少值或值格式错误，将被拒绝的值或文档\n"
       "  3  数据库文件不存在、无法读取或不属于本程序\n"
       "  4  未知用户：用户编号是 1 到 32767 之间的整数\n"
       "  5  脚本中某一行有误或无法执行（FILE:LINE: 消息）\n"
       "  6  无法连接服务器\n"
       "  7  已拒绝：init 将替换现有文件或模式，reset 或 copy-user 未经确认，\n"
       "     某个角色不能成为用户\n"
       "  8  没有显示器：真实窗口中的对话框（--ui qt）无法打开窗口\n"
       "错误信息只占 stderr 上的一行；出错时不写入任何内容。\n"},
      {kInitHelp,
       "用法：prefdesk-host init [--force] [--row-security] [--data DIR] [--defaults PATH]\n"
       "                          [--server SPEC]\n"
       "      prefdesk-host init --upgrade [--data DIR] [--server SPEC]\n"
       "用 DIR（默认：安装的数据文件夹）中的 SQL 创建本地默认值数据库和服务器数据库：\n"
       "一个 SQLite 文件，或在 PostgreSQL 上创建 --schema 指定的模式及其中的表。\n"
       "除非指定 --force，否则不会替换已有的文件或模式；不是普通文件的目标、或含有非本程序所建表的\n"
       "模式，无论如何都不会替换。--row-security（PostgreSQL）：\n"
       "每个用户的角色（见 add-user）只能访问该用户的行；运行 init 的角色可管理所有用户。\n"
       "--upgrade 把已有的服务器数据库升级到当前 init 创建的结构，保留每个用户的行：每一步\n"
       "一行，说明发现了什么、做了什么。同一用户同一标题或列表的第二行（唯一索引不允许）会被\n"
       "列出，并保留对话框和栏中显示的那一行（位置最小者）。\n"},
      {kOptionsHelp,
       "用法：prefdesk-host options --user N [--ui qt|headless] [--script FILE] [--appearance-tab]\n"
       "                             [--json]\n"
       "为用户 N 打开选项对话框，并打印 OptionSuccess 的结果（保存失败或对话框无法加载时\n"
       "退出码为 1；--json 会说明是哪一种）。\n"
       "  --appearance-tab  启用“外观”选项卡（默认关闭）\n"
       "  --ui qt        真实窗口（设置了 DISPLAY 或 WAYLAND_DISPLAY 时为默认）\n"
       "  --ui headless  不显示窗口：由 FILE 描述用户的操作（指定 --script 时即为此方式）\n"
       "脚本行（每行一个动作，'#' 开头为注释，\"引号\" 内保留空格；ITEM 为从 0 开始的\n"
       "序号或该项的文字）：\n"
       "  tab CAPTION|INDEX            click LIST ITEM          choose LIST ITEM\n"
       "  check LIST ITEM [on|off]     move LIST ITEM top|up|down|bottom\n"
       "  type TEXTBOX TEXT            press BUTTON\n"
       "  answer msgbox yes|no|ok|cancel|abort|retry|ignore    answer input TEXT\n"
       "  ok | cancel                  （最后一行）\n"
       "脚本是不超过 1 MB 的文本，每行不超过 4096 字节。示例：examples/demo.script\n"},
      {kBarHelp,
       "用法：prefdesk-host bar --user N [--json]\n"
       "以缩进的树或 JSON 打印该用户的导航栏目条（ReadColumnsBar）。\n"},
      {kSettingsHelp,
       "用法：prefdesk-host settings --user N [--show-origin] [--json]\n"
       "按 GetVal 读取函数给出的结果打印每一项单项设置：服务器上该用户的行，\n"
       "否则为本地默认值或固定值。--show-origin 说明来源：服务器、本地默认值或固定值。\n"},
      {kGetHelp,
       "用法：prefdesk-host get --user N KEY [--show-origin] [--json]\n"
       "按读取函数给出的结果打印一项设置。KEY 为 `settings` 打印的名称之一。\n"},
      {kSetHelp,
       "用法：prefdesk-host set --user N KEY VALUE [--json]\n"
       "把一项设置保存到服务器上该用户的行中。读取函数会拒绝的值将被拒绝（退出码 2，\n"
       "不写入任何内容）；`describe KEY` 显示每项设置接受的值。日程值和两项费用值按组\n"
       "读取，因此设置其中一项时，同组的其他项按用户当前得到的值一并保存。--json 打印\n"
       "所保存的内容。\n"},
      {kDescribeHelp,
       "用法：prefdesk-host describe KEY [--json] [--user N]\n"
       "说明一项设置：类型、接受的值、出厂默认值（来自本地默认值数据库，或读取函数中的\n"
       "固定值）以及存放位置。指定 --user 时，还显示用户 N 当前得到的值及其来源：\n"
       "服务器、本地默认值或固定值。\n"},
      {kExportHelp,
       "用法：prefdesk-host export --user N [--file F]\n"
       "把该用户保存的偏好设置作为一个 JSON 文档写入 F（默认：标准输出）：设置行、\n"
       "布局（标题和列表及其位置、可见性、主标题标记和默认查询）以及外观方案。普通文件 F\n"
       "会被整个替换；FIFO、字符设备或 /dev/stdout 则直接写入。\n"},
      {kImportHelp,
       "用法：prefdesk-host import --user N [--file F]\n"
       "用导出文档（F，默认：标准输入）中的偏好设置替换该用户保存的偏好设置。先检查\n"
       "整个文档（退出码 2，并指出第一处错误），然后在一个事务中写入：要么全部写入，\n"
       "要么都不写入。\n"},
      {kCopyUserHelp,
       "用法：prefdesk-host copy-user --from A --to B [--yes]\n"
       "把用户 A 保存的偏好设置（设置、布局、方案）给用户 B，替换 B 原有的偏好设置。\n"
       "默认查询不复制：保存的查询属于其用户。B 已有保存的内容时先询问；--yes 跳过询问。\n"},
      {kListUsersHelp,
       "用法：prefdesk-host list-users [--json]\n"
       "列出保存了偏好设置的用户，以及每个用户保存了哪些内容。\n"},
      {kDefaultColumnHelp,
       "用法：prefdesk-host default-column --user N [--json]\n"
       "打印该用户主标题的名称和标题文字（GetDefaultColumn）。\n"},
      {kInvokeHelp,
       "用法：prefdesk-host invoke [--user N] CALL...\n"
       "像脚本宿主那样按名称调用 ClsPrefdesk 的成员，在一个进程中依次执行，并打印每个\n"
       "结果和输出参数。CALL 为\n"
       "  MEMBER [ARG...] 或 --call MEMBER [ARG...]   方法；其 ARG 一直到下一个 --词\n"
       "  --put NAME VALUE                            设置属性（其后的调用可见）\n"
       "  --get NAME                                  读取属性\n"
       "ARG：@DataCenter、@BaseConn、@ConnectionString（已打开的数据库）、数字、true、\n"
       "false、-（省略）或文字；-- 之后的每个词都是 ARG。末尾省略的输出参数以空值传递。\n"
       "方法的布尔结果表示失败或保存报告 E_OptionFail 时，退出码为 1。put 只在本进程中\n"
       "有效：保存设置请用 `set`。示例：\n"
       "  prefdesk-host invoke --user 3 GetValMaxHistoryRecords @DataCenter @BaseConn\n"
       "  prefdesk-host invoke --user 3 --put MaxHistoricalRecords 50 --get MaxHistoricalRecords\n"
       "  prefdesk-host invoke --user 3 ReadColumnsBar @ConnectionString @DataCenter\n"},
      {kResetHelp,
       "用法：prefdesk-host reset --user N [--layout|--settings|--schemes|--all] [--yes]\n"
       "      prefdesk-host reset --user N KEY... [--yes]\n"
       "删除该用户保存的内容，使默认值重新生效：标题和列表的布局（--layout，默认）、\n"
       "设置行（--settings）、外观方案（--schemes）或三者全部（--all），在一个事务中完成。\n"
       "指定 KEY 时只重置这些设置：日程值或费用值与同组的其他值一起读取，因此整组一并\n"
       "重置。操作前先询问；--yes 跳过询问。\n"},
      {kAddUserHelp,
       "用法：prefdesk-host add-user --user N --role NAME [--yes] --server postgresql://...\n"
       "让已有的数据库角色 NAME 成为用 init --row-security 建立的模式中的用户 N，并授予\n"
       "客户端所需的权限：此后它只能访问用户 N 的行；以 NAME 登录的客户端设置 UserID 0\n"
       "时得到 N。请以运行 init 的角色执行。\n"
       "用户 N 已是另一个角色时会先询问（--yes：让 NAME 也成为用户 N）。\n"},
      {kRemoveUserHelp,
       "用法：prefdesk-host remove-user --role NAME --server postgresql://...\n"
       "收回 add-user 授予角色 NAME 的权限；该用户已保存的行保留。\n"},
      {kCompletionHelp,
       "用法：prefdesk-host completion bash\n"
       "打印 prefdesk-host 的 bash 补全脚本：其命令、各命令的选项和设置名称。软件包会安装它；\n"
       "在 shell 中试用：source <(prefdesk-host completion bash)\n"},
      {kMonitorHelp,
       "用法：prefdesk-host monitor --user N [--json] | --all [--json]\n"
       "用户 N 保存的偏好设置每有一次已提交的更改（--all：所有用户的更改；在启用行级安全的\n"
       "服务器上只有管理员可以这样做），无论由谁做出，都打印一行：时间、用户和更改的内容\n"
       "（settings、layout、queries、schemes）。一直运行到被中断（Ctrl-C：退出码 0）。\n"
       "与服务器的连接断开后会重新连接，并在 stderr 上说明一次，断开期间报告为\n"
       "“may have changed”（可能已更改）；SQLite 文件被替换时会跟随新文件。\n"},

      // Command summaries.
      {"create the local defaults and embedded server databases", "创建本地默认值数据库和内置服务器数据库"},
      {"open the options dialog (Qt, or headless with a script)", "打开选项对话框（Qt，或用脚本在无窗口模式下运行）"},
      {"print the user's navigation column bar", "打印用户的导航栏目条"},
      {"print the user's single settings", "打印用户的单项设置"},
      {"print one setting", "打印一项设置"},
      {"store one setting, checked as the reader checks it", "保存一项设置，按读取函数的规则检查"},
      {"describe a setting: type, accepted values, factory default", "说明一项设置：类型、接受的值、出厂默认值"},
      {"print the user's primary title", "打印用户的主标题"},
      {"call a member of ClsPrefdesk by name", "按名称调用 ClsPrefdesk 的成员"},
      {"remove the user's stored layout, settings, schemes or single settings", "删除用户保存的布局、设置、方案或单项设置"},
      {"write the user's preferences as a JSON document", "把用户的偏好设置写成 JSON 文档"},
      {"replace the user's preferences with a document's", "用文档中的偏好设置替换用户的偏好设置"},
      {"give a user another user's preferences", "把一个用户的偏好设置给另一个用户"},
      {"list the users with stored preferences", "列出保存了偏好设置的用户"},
      {"let a server role reach one user's rows", "让服务器角色可以访问某个用户的行"},
      {"take back what add-user gave a role", "收回 add-user 授予角色的权限"},
      {"print the bash completion script", "打印 bash 补全脚本"},
      {"print each change of a user's stored preferences", "打印用户保存的偏好设置的每一次更改"},

      // Origins, types and the labels of describe.
      {"server", "服务器"},
      {"local default", "本地默认值"},
      {"fixed", "固定值"},
      {"integer", "整数"},
      {"time", "时间"},
      {"text", "文字"},
      {"currency", "金额"},
      {"type", "类型"},
      {"accepted", "接受的值"},
      {"factory default", "出厂默认值"},
      {"stored in", "存放位置"},
      {"read with", "同组读取"},
      {"user {}", "用户 {}"},
      {" or ", " 或 "},
      {", ", "、"},
      {"{} (minutes)", "{}（分钟）"},
      {"a time HH:MM from 00:00 to 23:55, minutes a multiple of {}", "时间 HH:MM，从 00:00 到 23:55，分钟为 {} 的倍数"},
      {"a text of 1 to {} characters, valid UTF-8 without control characters",
       "1 到 {} 个字符的文字，须为有效的 UTF-8 且不含控制字符"},
      {"an amount above 0 with at most 4 decimals and 15 digits in all",
       "大于 0 的金额，最多 4 位小数、共 15 位数字"},

      // Prompts and what the commands say.
      {"imported into user {}: {}", "已导入到用户 {}：{}"},
      {"copied user {} to user {}: {}", "已把用户 {} 的偏好设置复制给用户 {}：{}"},
      {"user {}: {}", "用户 {}：{}"},
      {"a settings row", "一行设置"},
      {"no settings row", "没有设置行"},
      {"{} title", "{} 个标题"},
      {"{} titles", "{} 个标题"},
      {"{} list", "{} 个列表"},
      {"{} lists", "{} 个列表"},
      {"{} list ({} with a default query)", "{} 个列表（其中 {} 个有默认查询）"},
      {"{} lists ({} with a default query)", "{} 个列表（其中 {} 个有默认查询）"},
      {"{} scheme", "{} 个方案"},
      {"{} schemes", "{} 个方案"},
      {"Remove the stored preferences of user {} ({})?", "删除用户 {} 保存的偏好设置（{}）？"},
      {"Replace the stored preferences of user {} ({})?", "替换用户 {} 保存的偏好设置（{}）？"},
      {"Reset {} of user {} to the defaults?", "把用户 {1} 的 {0} 重置为默认值？"},
      {"removed the stored preferences of user {} ({})", "已删除用户 {} 保存的偏好设置（{}）"},
      {"user {} has nothing of that stored ({}): the defaults apply already", "用户 {} 没有保存这些内容（{}）：已在使用默认值"},
      {"user {} has none of {} stored: the defaults apply already", "用户 {} 没有保存 {}：已在使用默认值"},
      {"(user {} has no saved layout; the factory layout applies)", "（用户 {} 没有保存的布局；使用出厂布局）"},
      {"reset {} of user {}: the defaults apply", "已重置用户 {1} 的 {0}：现在使用默认值"},

      // Errors.
      {"{} (see: prefdesk-host {} --help)", "{}（参见：prefdesk-host {} --help）"},
      {"{} (see: prefdesk-host --help)", "{}（参见：prefdesk-host --help）"},
      {"unknown command '{}'", "未知的命令“{}”"},
      {"unknown option '{}'", "未知的选项“{}”"},
      {"unknown option --{} for '{}'", "“{1}”没有选项 --{0}"},
      {"--{} takes no value", "--{} 不带值"},
      {"--{} needs a value", "--{} 需要一个值"},
      {"'{}' needs --user N", "“{}”需要 --user N"},
      {"'{}' needs --{} N", "“{}”需要 --{} N"},
      {"unknown user '{}': a user id is a whole number from 1 to 32767", "未知用户“{}”：用户编号是 1 到 32767 之间的整数"},
      {"{} takes no words: {}", "{} 不接受参数：{}"},
      {"{} needs one KEY", "{} 需要一个 KEY"},
      {"{} needs KEY VALUE", "{} 需要 KEY VALUE"},
      {"unknown setting '{}'; the settings are {}", "未知的设置“{}”；可用的设置有：{}"},
      {"{}: '{}' is not accepted; {}", "{}：不接受“{}”；{}"},
      {"use {}", "请使用 {}"},
      {"a text is expected", "应为文字"},
      {"a number is expected", "应为数字"},
      {"the day must start before it ends: {}; nothing written", "一天的开始时间必须早于结束时间：{}；未写入任何内容"},
      {"reset takes KEYs or --layout, --settings, --schemes, --all; not both",
       "reset 接受 KEY 或 --layout、--settings、--schemes、--all，二者不能同时使用"},
      {"not confirmed; nothing removed (--yes skips the question)", "未确认；未删除任何内容（--yes 可跳过询问）"},
      {"not confirmed; nothing written (--yes skips the question)", "未确认；未写入任何内容（--yes 可跳过询问）"},
      {"--lang '{}': use en or zh", "--lang “{}”：请使用 en 或 zh"},
      {"--server '{}': use sqlite:PATH or postgresql://USER@HOST/DB",
       "--server “{}”：请使用 sqlite:PATH 或 postgresql://USER@HOST/DB"},
      {"--schema applies to a postgresql:// server only", "--schema 只适用于 postgresql:// 服务器"},
      {"--schema needs a name", "--schema 需要一个名称"},
      {"--defaults needs a file path", "--defaults 需要一个文件路径"},
      {"--from and --to name the same user", "--from 和 --to 指的是同一个用户"},
      {"{} does not exist (create it with: prefdesk-host init)", "{} 不存在（可用 prefdesk-host init 创建）"},
      {"{} is not a file", "{} 不是文件"},
      {"{} cannot be read (check its permissions)", "{} 无法读取（请检查其权限）"},
      {"{} is not a SQLite database", "{} 不是 SQLite 数据库"},
      {"local defaults database {}", "本地默认值数据库 {}"},
      {"server database {}", "服务器数据库 {}"},
      {"local defaults database {} is not usable: {}", "本地默认值数据库 {} 不可用：{}"},
      {"cannot reach the server {}: {}", "无法连接服务器 {}：{}"},
      {"server {}: {}", "服务器 {}：{}"},
      {"{} already exists; nothing written (--force replaces it)", "{} 已存在；未写入任何内容（--force 可替换它）"},
      {"{} is not a JSON document: line {}, column {}: {}", "{} 不是 JSON 文档：第 {} 行第 {} 列：{}"},
      {"the document ends before it is complete", "文档在完整结束之前就中断了"},
      {"there is no document, the text is empty", "没有文档，文本为空"},
      {"unexpected '{}'", "不应出现“{}”"},
      {"the document is not as expected: {}", "文档不符合要求：{}"},
      {"the document's {}: {}; nothing written", "文档的 {}：{}；未写入任何内容"},
      {"{} is a folder, not a document", "{} 是文件夹，不是文档"},
      {"cannot read {}", "无法读取 {}"},
      {"cannot write {}", "无法写入 {}"},
      {"cannot write the output: {}", "无法写出输出：{}"},
      {"the output was cut short", "输出被截断"},
      {"cannot write to standard output", "无法写入标准输出"},
      {"reading the server failed: {}", "读取服务器失败：{}"},
      {"writing {} failed: {}", "写入 {} 失败：{}"},
      {"removing from {} failed: {}", "从 {} 删除失败：{}"},
      {"starting a transaction failed: {}", "开始事务失败：{}"},
      {"the server did not confirm the commit: {}", "服务器没有确认提交：{}"},
      {"the server database is busy: another program holds a lock on it", "服务器数据库正忙：另一个程序锁定了它"},
      {"the save failed", "保存失败"},
      {"the save failed: {}", "保存失败：{}"},
      {"{} failed; {}", "{} 失败；{}"},
      {"{} failed", "{} 失败"},
      {"the local defaults database holds no usable {}", "本地默认值数据库中没有可用的{}"},
      {"history length", "历史记录条数"},
      {"calendar values", "日程值"},
      {"expense values", "费用值"},
      {"cannot tell where the databases live: HOME is not set and this user has no home folder; set "
       "PREFDESK_HOME or give --defaults and --server",
       "无法确定数据库的位置：未设置 HOME，且该用户没有主文件夹；请设置 PREFDESK_HOME，或指定 --defaults 和 "
       "--server"},
      {"error {}: {}", "错误 {}：{}"},
  };
  return table;
}

}  // namespace prefdesk::cli
