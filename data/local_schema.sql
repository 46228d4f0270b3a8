-- Local defaults database: factory settings, system appearance schemes and the navigation
-- catalogue with its Chinese and English captions.
-- Value forms: time-of-day columns are DATETIME holding 'HH:MM:SS' text, booleans are BOOLEAN
-- holding 1/0, money is CURRENCY holding a number.

CREATE TABLE DefaultOtherStyle (
  MaxHistoricalRecords INTEGER,
  AppointmentDuration DATETIME,
  AppointmentStartDayTime DATETIME,
  AppointmentEndDayTime DATETIME,
  AppointmentAlarmBeforeTime DATETIME,
  AppointmentTimeSlotInterval INTEGER,
  ExpenseChargeNumber VARCHAR(50),
  ExpenseCashAdvance CURRENCY
);

INSERT INTO DefaultOtherStyle (MaxHistoricalRecords, AppointmentDuration, AppointmentStartDayTime,
  AppointmentEndDayTime, AppointmentAlarmBeforeTime, AppointmentTimeSlotInterval,
  ExpenseChargeNumber, ExpenseCashAdvance)
VALUES (10, '00:30:00', '08:30:00', '17:30:00', '00:15:00', 30, 'EXP-0001', 500);

-- System appearance schemes. Every value whose name begins with Font exists once per display
-- language, prefixed with English or Chinese.
CREATE TABLE DefaultScreenStyle (
  Name VARCHAR(50) NOT NULL PRIMARY KEY,
  ScreenStyleNameChinese VARCHAR(50),
  ScreenStyleNameEnglish VARCHAR(50),
  ColorFormBack INTEGER,
  ColorPopFormBack INTEGER,
  EnglishFontPopNameFrom VARCHAR(50),
  ChineseFontPopNameFrom VARCHAR(50),
  EnglishFontPopSizeFrom REAL,
  ChineseFontPopSizeFrom REAL,
  EnglishFontNameCaption VARCHAR(50),
  ChineseFontNameCaption VARCHAR(50),
  EnglishFontBoldCaption BOOLEAN,
  ChineseFontBoldCaption BOOLEAN,
  EnglishFontSizeCaption REAL,
  ChineseFontSizeCaption REAL,
  ColorCaption INTEGER,
  ColorAlternatingBackgroundGrid INTEGER,
  ColorBackgroundGrid INTEGER,
  ColorChevronGrid INTEGER,
  ColorHyperLinkGrid INTEGER,
  ColorLockedBackgroundGrid INTEGER,
  ColorNormalTextGrid INTEGER,
  ColorRowSelectionGrid INTEGER,
  ColorsMultiRowSelectionGrid INTEGER,
  ColorTitleGrid INTEGER,
  ColorTitleTextGrid INTEGER,
  EnglishFontNameGrid VARCHAR(50),
  ChineseFontNameGrid VARCHAR(50),
  EnglishFontSizeGrid REAL,
  ChineseFontSizeGrid REAL,
  ColorBackgroundSheet INTEGER,
  ColorActiveSheet INTEGER,
  ColorTitleTextSheet REAL,
  EnglishFontNameSheet VARCHAR(50),
  ChineseFontNameSheet VARCHAR(50),
  EnglishFontSizeSheet REAL,
  ChineseFontSizeSheet REAL,
  ColorBackgroundChart INTEGER,
  ColorTitleTextChart REAL,
  EnglishFontNameChart VARCHAR(50),
  ChineseFontNameChart VARCHAR(50),
  EnglishFontSizeChart REAL,
  ChineseFontSizeChart REAL,
  ColorTitleBackgroundColumnbar INTEGER,
  ColorTitleTextColumnbar INTEGER,
  ColorTitleBorderColumnbar INTEGER,
  ColorTitleActiveColumnbar INTEGER,
  ColorTitleFocusColumnbar INTEGER,
  EnglishFontNameTitleColumnbar VARCHAR(50),
  ChineseFontNameTitleColumnbar VARCHAR(50),
  EnglishFontSizeTitleColumnbar REAL,
  ChineseFontSizeTitleColumnbar REAL,
  EnglishFontBoldTitleColumnbar BOOLEAN,
  ChineseFontBoldTitleColumnbar BOOLEAN,
  ColorListBackgroundColumnbar INTEGER,
  ColorListTextColumnbar INTEGER,
  ColorListBorderColumnbar INTEGER,
  ColorListActiveColumnbar INTEGER,
  ColorListFocusColumnbar INTEGER,
  EnglishFontNameListColumnbar VARCHAR(50),
  ChineseFontNameListColumnbar VARCHAR(50),
  EnglishFontSizeListColumnbar REAL,
  ChineseFontSizeListColumnbar REAL,
  EnglishFontBoldListColumnbar BOOLEAN,
  ChineseFontBoldListColumnbar BOOLEAN
);

-- Titles: the top-level buttons of the column bar. DefaultList names one of the title's
-- first-level lists.
CREATE TABLE BarTitle (
  TitleID INTEGER NOT NULL PRIMARY KEY,
  TitleName VARCHAR(50),
  TitleNameChinese VARCHAR(100),
  TitleNameEnglish VARCHAR(100),
  Visible BOOLEAN,
  DefaultOrder INTEGER,
  DefaultList VARCHAR(50)
);

-- Lists under a title. ParentID is 0 for a first-level list and the parent's ListID for a
-- second-level list. DefaultOrder counts from 1 among the siblings.
CREATE TABLE BarList (
  ListID INTEGER NOT NULL PRIMARY KEY,
  TitleID INTEGER,
  ParentID INTEGER,
  ListName VARCHAR(50),
  ListNameChinese VARCHAR(100),
  ListNameEnglish VARCHAR(100),
  Visible BOOLEAN,
  DefaultVisible BOOLEAN,
  DefaultOrder INTEGER,
  CanStatrup BOOLEAN
);

CREATE INDEX BarListByTitle ON BarList (TitleID, ParentID);

-- Every list with its title's name and, at the second level, its parent's name.
CREATE VIEW ViewBarList AS
SELECT t.TitleName AS TitleName,
       l.ListName AS ListName,
       l.ListNameChinese AS ListNameChinese,
       l.ListNameEnglish AS ListNameEnglish,
       p.ListName AS ParentName
FROM BarList l
INNER JOIN BarTitle t ON t.TitleID = l.TitleID
LEFT OUTER JOIN BarList p ON p.ListID = l.ParentID;
