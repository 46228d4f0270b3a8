-- PostgreSQL only, run by prefdesk-host init --row-security after postgresql_users.sql: a
-- user's role sees, changes and adds only rows whose F_UID is the user id T_PUSERROLE maps
-- it to. A statement on another user's rows finds nothing, and a row written for another
-- user is refused (the USING condition also checks new rows). The role that owns the tables
-- (the administrator who ran init) is not restricted. The catalogue tables need no policy:
-- add-user grants user roles the right to read them and no right to change them.
DO $$
DECLARE
  per_user_table TEXT;
BEGIN
  FOREACH per_user_table IN ARRAY ARRAY['T_PMISC', 'T_PSCREENSTYLE', 'T_PHBUTTON', 'T_PVBUTTON', 'T_PQUERY', 'T_PCHANGE', 'T_PSAVELOCK'] LOOP
    EXECUTE format('ALTER TABLE %s ENABLE ROW LEVEL SECURITY', per_user_table);
    EXECUTE format('CREATE POLICY own_rows ON %s '
                   'USING (F_UID = (SELECT F_UID FROM T_PUSERROLE WHERE F_ROLE = current_user))',
                   per_user_table);
  END LOOP;
END $$;
