#!/usr/bin/env python3
"""Writes the factory navigation catalogue as SQL for both databases.

The catalogue below is the one readable source: titles at the left margin, their first-level
lists indented by two blanks, second-level lists by four. Each line reads

    Name | Chinese caption | English caption | flags

with flags among: default (the title's default list; it may also be chosen at start-up),
startup (may be chosen as a start-up list), hidden (not visible by default).

Run from anywhere:  python3 data/generate_catalogue.py
It rewrites data/local_catalogue.sql and data/server_catalogue.sql.
"""

from pathlib import Path

CATALOGUE = """
Accounts | 客户 | Accounts
  AllAccounts | 所有客户 | All Accounts | default
  MyAccounts | 我的客户 | My Accounts | startup
  KeyAccounts | 重点客户 | Key Accounts | startup
  NewAccounts | 新增客户 | New Accounts
  AccountsByIndustry | 按行业分类 | By Industry
    IndustryManufacturing | 制造业 | Manufacturing
    IndustryFinance | 金融业 | Finance
    IndustryRetail | 零售业 | Retail
    IndustryTelecom | 电信业 | Telecommunications
    IndustryEnergy | 能源业 | Energy
    IndustryGovernment | 政府机构 | Government
    IndustryHealthcare | 医疗卫生 | Healthcare
    IndustryEducation | 教育 | Education
  AccountsByRegion | 按地区分类 | By Region
    RegionNorthChina | 华北 | North China
    RegionEastChina | 华东 | East China
    RegionSouthChina | 华南 | South China
    RegionCentralChina | 华中 | Central China
    RegionSouthwest | 西南 | Southwest China
    RegionNorthwest | 西北 | Northwest China
    RegionNortheast | 东北 | Northeast China
    RegionOverseas | 海外 | Overseas
  AccountHierarchy | 客户层级 | Account Hierarchy
    ParentAccounts | 母公司 | Parent Companies
    Subsidiaries | 子公司 | Subsidiaries
    Branches | 分支机构 | Branches
  InactiveAccounts | 休眠客户 | Inactive Accounts | hidden
Contacts | 联系人 | Contacts
  AllContacts | 所有联系人 | All Contacts | default
  MyContacts | 我的联系人 | My Contacts | startup
  KeyContacts | 关键联系人 | Key Contacts
  ContactsByRole | 按角色分类 | By Role
    RoleDecisionMaker | 决策者 | Decision Makers
    RoleInfluencer | 影响者 | Influencers
    RoleTechnicalBuyer | 技术采购人 | Technical Buyers
    RoleEndUser | 最终用户 | End Users
    RoleFinancialApprover | 财务审批人 | Financial Approvers
  ContactsByAccount | 按客户分类 | By Account
    ContactsOfKeyAccounts | 重点客户联系人 | Contacts of Key Accounts
    ContactsOfNewAccounts | 新客户联系人 | Contacts of New Accounts
    ContactsOfPartners | 合作伙伴联系人 | Partner Contacts
  BirthdaysThisMonth | 本月生日 | Birthdays This Month
  RecentlyContacted | 最近联系 | Recently Contacted
  ContactGroups | 联系人分组 | Contact Groups
    GroupVIP | 贵宾组 | VIP Group
    GroupNewsletter | 简报订阅组 | Newsletter Subscribers
    GroupEventGuests | 活动嘉宾组 | Event Guests
    GroupAlumni | 校友组 | Alumni
    GroupPress | 媒体组 | Press Contacts
  DuplicateContacts | 重复联系人 | Duplicate Contacts | hidden
Opportunities | 商机 | Opportunities
  AllOpportunities | 所有商机 | All Opportunities | default
  MyOpportunities | 我的商机 | My Opportunities | startup
  OpenOpportunities | 进行中的商机 | Open Opportunities | startup
  OpportunitiesByStage | 按阶段分类 | By Sales Stage
    StageProspecting | 初步接洽 | Prospecting
    StageQualification | 需求确认 | Qualification
    StageProposal | 方案报价 | Proposal
    StageNegotiation | 商务谈判 | Negotiation
    StageClosedWon | 赢单 | Closed Won
    StageClosedLost | 丢单 | Closed Lost
  OpportunitiesByCloseDate | 按预计成交日期 | By Expected Close Date
    CloseThisWeek | 本周成交 | Closing This Week
    CloseThisMonth | 本月成交 | Closing This Month
    CloseThisQuarter | 本季度成交 | Closing This Quarter
    CloseNextQuarter | 下季度成交 | Closing Next Quarter
  LargeDeals | 大额商机 | Large Deals
  Competitors | 竞争对手 | Competitors
    CompetitorProfiles | 竞争对手档案 | Competitor Profiles
    CompetitiveDeals | 竞争性商机 | Competitive Deals
    WinLossAnalysis | 成败分析 | Win/Loss Analysis
    CompetitorProducts | 竞争产品 | Competitor Products
  StalledOpportunities | 停滞商机 | Stalled Opportunities | hidden
Activities | 活动 | Activities
  MyActivities | 我的活动 | My Activities | default
  AllActivities | 所有活动 | All Activities | startup
  Tasks | 任务 | Tasks
    TasksOpen | 未完成任务 | Open Tasks
    TasksOverdue | 逾期任务 | Overdue Tasks
    TasksCompleted | 已完成任务 | Completed Tasks
    TasksDelegated | 已委派任务 | Delegated Tasks
    TasksDueToday | 今日到期任务 | Tasks Due Today
    TasksHighPriority | 高优先级任务 | High Priority Tasks
  PhoneCalls | 电话 | Phone Calls
    CallsInbound | 呼入电话 | Inbound Calls
    CallsOutbound | 呼出电话 | Outbound Calls
    CallsMissed | 未接电话 | Missed Calls
  Visits | 拜访 | Visits
    VisitsPlanned | 计划拜访 | Planned Visits
    VisitsCompleted | 已完成拜访 | Completed Visits
    VisitReports | 拜访报告 | Visit Reports
  EmailsSent | 已发邮件 | Sent E-mails
  Meetings | 会议 | Meetings
    MeetingsInternal | 内部会议 | Internal Meetings
    MeetingsCustomer | 客户会议 | Customer Meetings
  ActivityHistory | 活动历史 | Activity History
Calendar | 日历 | Calendar
  DayView | 日视图 | Day | default
  WeekView | 周视图 | Week | startup
  WorkWeekView | 工作周视图 | Work Week
  MonthView | 月视图 | Month | startup
  TeamCalendar | 团队日历 | Team Calendar
    TeamSalesCalendar | 销售团队日历 | Sales Team
    TeamServiceCalendar | 服务团队日历 | Service Team
    TeamMarketingCalendar | 市场团队日历 | Marketing Team
  ResourceCalendar | 资源日历 | Resources
    MeetingRooms | 会议室 | Meeting Rooms
    Projectors | 投影设备 | Projectors
    CompanyCars | 公司车辆 | Company Cars
  Holidays | 节假日 | Holidays
    PublicHolidays | 法定节假日 | Public Holidays
    CompanyHolidays | 公司假期 | Company Holidays
  Reminders | 提醒 | Reminders
Sales | 销售 | Sales
  SalesOrders | 销售订单 | Sales Orders | default
    OrdersDraft | 草稿订单 | Draft Orders
    OrdersPendingApproval | 待审批订单 | Orders Pending Approval
    OrdersApproved | 已审批订单 | Approved Orders
    OrdersShipped | 已发货订单 | Shipped Orders
    OrdersInvoiced | 已开票订单 | Invoiced Orders
    OrdersCancelled | 已取消订单 | Cancelled Orders
  Quotes | 报价单 | Quotes | startup
    QuotesDraft | 草稿报价 | Draft Quotes
    QuotesSent | 已发送报价 | Sent Quotes
    QuotesAccepted | 已接受报价 | Accepted Quotes
    QuotesExpired | 已过期报价 | Expired Quotes
    QuotesRevised | 已修订报价 | Revised Quotes
  Contracts | 合同 | Contracts | startup
    ContractsActive | 生效合同 | Active Contracts
    ContractsExpiring | 即将到期合同 | Expiring Contracts
    ContractsRenewed | 已续签合同 | Renewed Contracts
    ContractsTerminated | 已终止合同 | Terminated Contracts
    ContractsPendingSignature | 待签署合同 | Contracts Awaiting Signature
  Forecasts | 销售预测 | Forecasts
    ForecastMonthly | 月度预测 | Monthly Forecast
    ForecastQuarterly | 季度预测 | Quarterly Forecast
    ForecastYearly | 年度预测 | Yearly Forecast
    ForecastByTeam | 团队预测 | Team Forecast
  SalesTargets | 销售目标 | Sales Targets
  Commissions | 佣金 | Commissions
    CommissionRules | 佣金规则 | Commission Rules
    CommissionStatements | 佣金结算单 | Commission Statements
  Territories | 销售区域 | Territories
    TerritoryAssignments | 区域分配 | Territory Assignments
    TerritoryCoverage | 区域覆盖 | Territory Coverage
  Payments | 回款 | Payments
    PaymentsReceived | 已回款 | Payments Received
    PaymentsOverdue | 逾期回款 | Overdue Payments
    PaymentPlans | 回款计划 | Payment Plans
    Invoices | 发票 | Invoices
  PriceApprovals | 价格审批 | Price Approvals | hidden
Service | 服务 | Service
  ServiceRequests | 服务请求 | Service Requests | default
    RequestsNew | 新建请求 | New Requests
    RequestsAssigned | 已分派请求 | Assigned Requests
    RequestsInProgress | 处理中请求 | Requests in Progress
    RequestsEscalated | 已升级请求 | Escalated Requests
    RequestsResolved | 已解决请求 | Resolved Requests
    RequestsClosed | 已关闭请求 | Closed Requests
  Complaints | 投诉 | Complaints | startup
    ComplaintsOpen | 未处理投诉 | Open Complaints
    ComplaintsResolved | 已处理投诉 | Resolved Complaints
  ServiceContracts | 服务合同 | Service Contracts
    ServiceContractsActive | 有效服务合同 | Active Service Contracts
    ServiceContractsExpiring | 即将到期服务合同 | Expiring Service Contracts
  Warranties | 保修 | Warranties
    WarrantiesActive | 保修期内 | Under Warranty
    WarrantiesExpired | 已过保修期 | Warranty Expired
  FieldService | 现场服务 | Field Service
    WorkOrders | 工单 | Work Orders
    Dispatching | 派工 | Dispatching
    SpareParts | 备件 | Spare Parts
    ServiceRoutes | 服务路线 | Service Routes
  KnowledgeBase | 知识库 | Knowledge Base | startup
    Solutions | 解决方案 | Solutions
    FAQs | 常见问题 | FAQs
    TroubleshootingGuides | 故障排除指南 | Troubleshooting Guides
  SatisfactionSurveys | 满意度调查 | Satisfaction Surveys
  ServiceLevels | 服务级别 | Service Levels
    SLAAgreements | 服务级别协议 | Service Level Agreements
    SLABreaches | 违约记录 | Breaches
Marketing | 市场营销 | Marketing
  Campaigns | 市场活动 | Campaigns | default
    CampaignsPlanned | 计划中活动 | Planned Campaigns
    CampaignsActive | 进行中活动 | Active Campaigns
    CampaignsCompleted | 已结束活动 | Completed Campaigns
    CampaignResponses | 活动响应 | Campaign Responses
  Leads | 销售线索 | Leads | startup
    LeadsNew | 新线索 | New Leads
    LeadsQualified | 合格线索 | Qualified Leads
    LeadsConverted | 已转化线索 | Converted Leads
    LeadsDisqualified | 无效线索 | Disqualified Leads
    LeadsAssignedToMe | 分配给我的线索 | Leads Assigned to Me
  Events | 会展活动 | Events
    Seminars | 研讨会 | Seminars
    TradeShows | 展览会 | Trade Shows
    Webinars | 网络研讨会 | Webinars
    CustomerConferences | 客户大会 | Customer Conferences
  MarketingLists | 营销名单 | Marketing Lists
    ListsEmail | 邮件名单 | E-mail Lists
    ListsTelemarketing | 电话营销名单 | Telemarketing Lists
    ListsDirectMail | 直邮名单 | Direct Mail Lists
  MarketingBudget | 市场预算 | Marketing Budget
  MarketingMaterials | 宣传资料 | Marketing Materials
  Surveys | 市场调研 | Market Surveys
    SurveysActive | 进行中调研 | Active Surveys
    SurveysClosed | 已结束调研 | Closed Surveys
  SocialMedia | 社交媒体 | Social Media | hidden
Products | 产品 | Products
  ProductCatalog | 产品目录 | Product Catalog | default
    CatalogHardware | 硬件产品 | Hardware
    CatalogSoftware | 软件产品 | Software
    CatalogServices | 服务产品 | Services
    CatalogAccessories | 配件 | Accessories
    CatalogConsumables | 耗材 | Consumables
  PriceLists | 价格表 | Price Lists | startup
    PriceListStandard | 标准价格表 | Standard Price List
    PriceListDistributor | 分销商价格表 | Distributor Price List
    PriceListPromotion | 促销价格表 | Promotional Price List
  ProductComparison | 产品比较 | Product Comparison
  Inventory | 库存 | Inventory
    InventoryInStock | 有库存 | In Stock
    InventoryLowStock | 库存不足 | Low Stock
    InventoryOutOfStock | 缺货 | Out of Stock
    InventoryInTransit | 在途库存 | In Transit
  ProductBundles | 产品组合 | Product Bundles
    BundlesStandard | 标准组合 | Standard Bundles
    BundlesPromotional | 促销组合 | Promotional Bundles
  Suppliers | 供应商 | Suppliers
  Discontinued | 停产产品 | Discontinued Products | hidden
Expenses | 费用 | Expenses
  ExpenseReports | 费用报告 | Expense Reports | default
    ExpenseReportsDraft | 草稿报告 | Draft Reports
    ExpenseReportsSubmitted | 已提交报告 | Submitted Reports
    ExpenseReportsApproved | 已批准报告 | Approved Reports
    ExpenseReportsRejected | 已退回报告 | Returned Reports
    ExpenseReportsReimbursed | 已报销报告 | Reimbursed Reports
  HotelExpenses | 住宿费用 | Hotel Expenses | startup
  TravelExpenses | 差旅费用 | Travel Expenses
    AirFares | 机票 | Air Fares
    TrainFares | 火车票 | Train Fares
    TaxiFares | 出租车费 | Taxi Fares
    CarRental | 租车费 | Car Rental
    Mileage | 里程补贴 | Mileage Allowance
    TollsAndParking | 路桥停车费 | Tolls and Parking
  MealExpenses | 餐饮费用 | Meals
  EntertainmentExpenses | 招待费用 | Entertainment
  CashAdvances | 预支款 | Cash Advances
    AdvancesOutstanding | 未结预支款 | Outstanding Advances
    AdvancesSettled | 已结预支款 | Settled Advances
  ExpenseApprovals | 费用审批 | Expense Approvals | startup
    ApprovalsPending | 待我审批 | Awaiting My Approval
    ApprovalsHistory | 审批历史 | Approval History
  ExpenseCategories | 费用类别 | Expense Categories
Reports | 报表 | Reports
  ReportCenter | 报表中心 | Report Center | default
  SalesReports | 销售报表 | Sales Reports | startup
    SalesByRep | 按销售代表 | By Sales Representative
    SalesByProduct | 按产品 | By Product
    SalesByRegion | 按地区 | By Region
    SalesByMonth | 按月份 | By Month
    SalesPipeline | 销售漏斗 | Sales Pipeline
    SalesGrowth | 销售增长 | Sales Growth
    SalesByAccount | 按客户 | By Account
  ServiceReports | 服务报表 | Service Reports
    ServiceResponseTimes | 响应时间 | Response Times
    ServiceWorkload | 服务工作量 | Service Workload
    ServiceSatisfaction | 服务满意度 | Service Satisfaction
    ServiceByEngineer | 按工程师 | By Engineer
  MarketingReports | 市场报表 | Marketing Reports
    CampaignROI | 活动投资回报 | Campaign ROI
    LeadSources | 线索来源 | Lead Sources
    LeadConversion | 线索转化率 | Lead Conversion
  ActivityReports | 活动报表 | Activity Reports
    ActivitiesByRep | 按人员统计活动 | Activities by Representative
    ActivitiesByType | 按类型统计活动 | Activities by Type
  ExpenseReportsSummary | 费用报表 | Expense Summaries
    ExpensesByDepartment | 按部门统计费用 | By Department
    ExpensesByCategory | 按类别统计费用 | By Category
    ExpensesByEmployee | 按员工统计费用 | By Employee
  Dashboards | 仪表板 | Dashboards | startup
    DashboardExecutive | 管理层仪表板 | Executive Dashboard
    DashboardSales | 销售仪表板 | Sales Dashboard
    DashboardService | 服务仪表板 | Service Dashboard
    DashboardMarketing | 市场仪表板 | Marketing Dashboard
  ScheduledReports | 定时报表 | Scheduled Reports
  CustomReports | 自定义报表 | Custom Reports
    MyReports | 我的报表 | My Reports
    SharedReports | 共享报表 | Shared Reports
Administration | 系统管理 | Administration
  Users | 用户 | Users | default
    UsersActive | 在职用户 | Active Users
    UsersInactive | 停用用户 | Inactive Users
    UsersLicensing | 许可管理 | Licences
  Roles | 角色与权限 | Roles and Permissions
    RolePermissions | 权限设置 | Permissions
    RoleAssignments | 角色分配 | Role Assignments
  Organization | 组织机构 | Organization
    Departments | 部门 | Departments
    Teams | 团队 | Teams
    Positions | 职位 | Positions
    CostCenters | 成本中心 | Cost Centers
  DataImport | 数据导入 | Data Import
    ImportAccounts | 导入客户 | Import Accounts
    ImportContacts | 导入联系人 | Import Contacts
    ImportProducts | 导入产品 | Import Products
  DataExport | 数据导出 | Data Export
  SystemSettings | 系统设置 | System Settings | startup
    SettingsGeneral | 常规设置 | General Settings
    SettingsEmail | 邮件设置 | E-mail Settings
    SettingsCurrencies | 货币设置 | Currencies
    SettingsNumbering | 编号规则 | Numbering Rules
    SettingsSecurity | 安全设置 | Security Settings
  Customization | 自定义 | Customization
    CustomFields | 自定义字段 | Custom Fields
    CustomLayouts | 自定义布局 | Custom Layouts
    Workflows | 工作流 | Workflows
  Backup | 数据备份 | Backup
  AuditLog | 审计日志 | Audit Log | hidden
"""

FLAGS = {"default", "startup", "hidden"}


class Entry:
    def __init__(self, level, name, chinese, english, flags):
        self.level, self.name, self.chinese, self.english, self.flags = (
            level, name, chinese, english, flags)
        self.id = 0
        self.title = None   # Entry of the title
        self.parent = None  # Entry of the first-level list, for second-level lists
        self.order = 0
        self.children = []


def parse(text):
    titles, seen = [], set()
    for number, line in enumerate(text.splitlines(), 1):
        if not line.strip():
            continue
        indent = len(line) - len(line.lstrip(" "))
        if indent not in (0, 2, 4):
            raise SystemExit(f"line {number}: indent must be 0, 2 or 4 blanks")
        parts = [p.strip() for p in line.split("|")]
        if len(parts) not in (3, 4) or not all(parts[:3]):
            raise SystemExit(f"line {number}: expected 'Name | Chinese | English [| flags]'")
        name, chinese, english = parts[:3]
        flags = set(parts[3].split()) if len(parts) == 4 else set()
        if " " in name or name in seen or not flags <= FLAGS:
            raise SystemExit(f"line {number}: bad or repeated name or unknown flag")
        seen.add(name)
        entry = Entry(indent // 2, name, chinese, english, flags)
        if entry.level == 0:
            titles.append(entry)
            continue
        parent = titles[-1] if entry.level == 1 else titles[-1].children[-1]
        if entry.level == 2 and parent.level != 1:
            raise SystemExit(f"line {number}: a second-level list needs a first-level list")
        entry.title = titles[-1]
        entry.parent = parent if entry.level == 2 else None
        parent.children.append(entry)
        entry.order = len(parent.children)
    return titles


def number(titles):
    """Titles get ids 1.. in catalogue order; lists get ids 1.. walking titles, lists, sons."""
    lists, next_id = [], 1
    for order, title in enumerate(titles, 1):
        title.id, title.order = order, order
        defaults = [l for l in title.children if "default" in l.flags]
        if len(defaults) != 1:
            raise SystemExit(f"title {title.name}: exactly one default list is required")
        title.default = defaults[0].name
        for first in title.children:
            first.id, next_id = next_id, next_id + 1
            lists.append(first)
        for first in title.children:
            for son in first.children:
                son.id, next_id = next_id, next_id + 1
                lists.append(son)
    return lists


def text(value):
    return "'" + value.replace("'", "''") + "'"


def flag(value):
    return "1" if value else "0"


def local_sql(titles, lists):
    out = ["-- Factory navigation catalogue of the local defaults database.",
           "-- Generated by data/generate_catalogue.py; edit the table there, not here.", ""]
    for t in titles:
        out.append(
            "INSERT INTO BarTitle (TitleID, TitleName, TitleNameChinese, TitleNameEnglish, "
            "Visible, DefaultOrder, DefaultList) VALUES "
            f"({t.id}, {text(t.name)}, {text(t.chinese)}, {text(t.english)}, 1, {t.order}, "
            f"{text(t.default)});")
    out.append("")
    for l in lists:
        visible = flag("hidden" not in l.flags)
        startup = flag(l.level == 1 and bool(l.flags & {"default", "startup"}))
        parent = l.parent.id if l.parent else 0
        out.append(
            "INSERT INTO BarList (ListID, TitleID, ParentID, ListName, ListNameChinese, "
            "ListNameEnglish, Visible, DefaultVisible, DefaultOrder, CanStatrup) VALUES "
            f"({l.id}, {l.title.id}, {parent}, {text(l.name)}, {text(l.chinese)}, "
            f"{text(l.english)}, {visible}, {visible}, {l.order}, {startup});")
    return "\n".join(out) + "\n"


def server_sql(titles, lists):
    out = ["-- Button catalogue of the server database: the same names and ids as the local",
           "-- catalogue, labelled with the English captions.",
           "-- Generated by data/generate_catalogue.py; edit the table there, not here.", ""]
    for t in titles:
        out.append(
            "INSERT INTO SYSTBLHBUTTON (F_HBUTTONID, F_HBUTTONNAME, F_HBUTTONLABEL, "
            f"F_SEQUENCENO) VALUES ({t.id}, {text(t.name)}, {text(t.english)}, {t.order});")
    out.append("")
    for l in lists:
        parent = str(l.parent.id) if l.parent else "NULL"
        out.append(
            "INSERT INTO SYSTBLVBUTTON (F_VBUTTONID, F_HBUTTONID, F_VBUTTONNAME, "
            "F_VBUTTONLABEL, F_PVBUTTONID) VALUES "
            f"({l.id}, {l.title.id}, {text(l.name)}, {text(l.english)}, {parent});")
    return "\n".join(out) + "\n"


def main():
    titles = parse(CATALOGUE)
    lists = number(titles)
    here = Path(__file__).resolve().parent
    (here / "local_catalogue.sql").write_text(local_sql(titles, lists), encoding="utf-8")
    (here / "server_catalogue.sql").write_text(server_sql(titles, lists), encoding="utf-8")
    firsts = [l for l in lists if l.level == 1]
    sons = [l for l in lists if l.level == 2]
    layout = len(firsts) + sum(max(1, len(f.children)) for f in firsts)
    print(f"{len(titles)} titles, {len(firsts)} first-level lists, {len(sons)} second-level "
          f"lists; {layout} layout records")


if __name__ == "__main__":
    main()
