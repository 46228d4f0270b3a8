-- PostgreSQL only, run by prefdesk-host init --row-security after postgresql_users.sql: a
-- user's role sees, changes and adds only rows whose F_UID is the user id T_PUSERROLE maps
-- it to. A statement on another user's rows finds nothing, and a row written for another
-- user is refused (the USING condition also checks new rows). The role that owns the tables
-- (the administrator who ran init) is not restricted. The catalogue tables need no policy:
-- add-user grants user roles the right to read them and no right to change them.
ALTER TABLE T_PMISC ENABLE ROW LEVEL SECURITY;
CREATE POLICY own_rows ON T_PMISC
  USING (F_UID = (SELECT F_UID FROM T_PUSERROLE WHERE F_ROLE = current_user));

ALTER TABLE T_PSCREENSTYLE ENABLE ROW LEVEL SECURITY;
CREATE POLICY own_rows ON T_PSCREENSTYLE
  USING (F_UID = (SELECT F_UID FROM T_PUSERROLE WHERE F_ROLE = current_user));

ALTER TABLE T_PHBUTTON ENABLE ROW LEVEL SECURITY;
CREATE POLICY own_rows ON T_PHBUTTON
  USING (F_UID = (SELECT F_UID FROM T_PUSERROLE WHERE F_ROLE = current_user));

ALTER TABLE T_PVBUTTON ENABLE ROW LEVEL SECURITY;
CREATE POLICY own_rows ON T_PVBUTTON
  USING (F_UID = (SELECT F_UID FROM T_PUSERROLE WHERE F_ROLE = current_user));

ALTER TABLE T_PQUERY ENABLE ROW LEVEL SECURITY;
CREATE POLICY own_rows ON T_PQUERY
  USING (F_UID = (SELECT F_UID FROM T_PUSERROLE WHERE F_ROLE = current_user));
