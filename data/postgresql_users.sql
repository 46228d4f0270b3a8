-- PostgreSQL only, run after the server_*.sql scripts: which database role is which user.
-- prefdesk-host add-user fills it. A user's role reads its own row alone; the PostgreSQL
-- data service takes myinfo.uid from that row, and the row security policies of
-- postgresql_row_security.sql compare F_UID with it.
CREATE TABLE T_PUSERROLE (
  F_ROLE NAME NOT NULL PRIMARY KEY,
  F_UID INTEGER NOT NULL
);

ALTER TABLE T_PUSERROLE ENABLE ROW LEVEL SECURITY;
CREATE POLICY own_role ON T_PUSERROLE FOR SELECT USING (F_ROLE = current_user);
