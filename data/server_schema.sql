-- Server database: every user's settings and the catalogue of the navigation buttons.
-- Portable DDL (SQLite and PostgreSQL; PostgreSQL first runs postgresql_types.sql).
-- Flags are SMALLINT 1/0; time-of-day columns are DATETIME holding 'HH:MM:SS'; money is
-- CURRENCY holding a number.

-- One row per user with single settings.
CREATE TABLE T_PMISC (
  F_UID INTEGER NOT NULL PRIMARY KEY,
  F_MAXHISTORY INTEGER,
  F_PRDACMPMAX INTEGER,
  F_FCSLENGTH_MM INTEGER,
  F_FCSLENGTH_QT INTEGER,
  F_FCSLENGTH_YR INTEGER,
  F_DEFAPDUR DATETIME,
  F_DAYSTIME DATETIME,
  F_DAYETIME DATETIME,
  F_ALARMADV DATETIME,
  F_SOLEINTERVAL INTEGER,
  F_DEFORGCHARGE VARCHAR(50),
  F_DEFADVPAID CURRENCY
);

-- The user's appearance schemes; the row named 'Default' holds the current appearance.
-- The list font size is kept twice: FontSizeListColumnbar, named like its value, and
-- FontSizeList, the column a user scheme's list font size is read from.
CREATE TABLE T_PSCREENSTYLE (
  F_UID INTEGER NOT NULL,
  ScreenStyleName VARCHAR(50) NOT NULL,
  ColorFormBack INTEGER,
  ColorPopFormBack INTEGER,
  FontPopNameFrom VARCHAR(50),
  FontPopSizeFrom REAL,
  FontNameCaption VARCHAR(50),
  FontBoldCaption SMALLINT,
  FontSizeCaption REAL,
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
  FontNameGrid VARCHAR(50),
  FontSizeGrid REAL,
  ColorBackgroundSheet INTEGER,
  ColorActiveSheet INTEGER,
  ColorTitleTextSheet REAL,
  FontNameSheet VARCHAR(50),
  FontSizeSheet REAL,
  ColorBackgroundChart INTEGER,
  ColorTitleTextChart REAL,
  FontNameChart VARCHAR(50),
  FontSizeChart REAL,
  ColorTitleBackgroundColumnbar INTEGER,
  ColorTitleTextColumnbar INTEGER,
  ColorTitleBorderColumnbar INTEGER,
  ColorTitleActiveColumnbar INTEGER,
  ColorTitleFocusColumnbar INTEGER,
  FontNameTitleColumnbar VARCHAR(50),
  FontSizeTitleColumnbar REAL,
  FontBoldTitleColumnbar SMALLINT,
  ColorListBackgroundColumnbar INTEGER,
  ColorListTextColumnbar INTEGER,
  ColorListBorderColumnbar INTEGER,
  ColorListActiveColumnbar INTEGER,
  ColorListFocusColumnbar INTEGER,
  FontNameListColumnbar VARCHAR(50),
  FontSizeListColumnbar REAL,
  FontBoldListColumnbar SMALLINT,
  FontSizeList REAL,
  PRIMARY KEY (F_UID, ScreenStyleName)
);

-- The user's titles. No key on the user and button id: a title the catalogue lacks is kept
-- with id 0, and a user may have several of them; server_unique_titles.sql refuses a second
-- row of one user for one non-zero id.
CREATE TABLE T_PHBUTTON (
  F_UID INTEGER NOT NULL,
  F_HBUTTONID INTEGER NOT NULL,
  F_SEQUENCENO INTEGER,
  F_ISVISIBLE SMALLINT,
  F_ISPRIMARY SMALLINT
);

CREATE INDEX T_PHBUTTON_BY_USER ON T_PHBUTTON (F_UID, F_HBUTTONID);

-- The user's lists. F_PVBUTTONID is NULL or 0 at the first level. No key on the user and
-- button id, as for the titles: lists the catalogue lacks are kept with id 0;
-- server_unique_lists.sql refuses a second row of one user for one non-zero id.
CREATE TABLE T_PVBUTTON (
  F_UID INTEGER NOT NULL,
  F_VBUTTONID INTEGER NOT NULL,
  F_HBUTTONID INTEGER,
  F_PVBUTTONID INTEGER,
  F_SEQUENCENO INTEGER,
  F_ISVISIBLE SMALLINT,
  F_DEFAULTVISIBLE SMALLINT,
  F_ISPRIMARY SMALLINT,
  F_DEFQUERYID VARCHAR(50)
);

CREATE INDEX T_PVBUTTON_BY_USER ON T_PVBUTTON (F_UID, F_VBUTTONID);
CREATE INDEX T_PVBUTTON_BY_TITLE ON T_PVBUTTON (F_UID, F_HBUTTONID);

-- Saved queries. A query id is unique across users: lists refer to it alone.
CREATE TABLE T_PQUERY (
  F_QUERYID VARCHAR(50) NOT NULL PRIMARY KEY,
  F_UID INTEGER NOT NULL,
  F_HBUTTONID INTEGER,
  F_QUERYNAME VARCHAR(100)
);

CREATE INDEX T_PQUERY_BY_USER ON T_PQUERY (F_UID, F_HBUTTONID);

-- Catalogue of titles.
CREATE TABLE SYSTBLHBUTTON (
  F_HBUTTONID INTEGER NOT NULL PRIMARY KEY,
  F_HBUTTONNAME VARCHAR(50),
  F_HBUTTONLABEL VARCHAR(100),
  F_SEQUENCENO INTEGER
);

-- Catalogue of lists. F_PVBUTTONID is NULL or 0 at the first level.
CREATE TABLE SYSTBLVBUTTON (
  F_VBUTTONID INTEGER NOT NULL PRIMARY KEY,
  F_HBUTTONID INTEGER,
  F_VBUTTONNAME VARCHAR(50),
  F_VBUTTONLABEL VARCHAR(100),
  F_PVBUTTONID INTEGER
);
