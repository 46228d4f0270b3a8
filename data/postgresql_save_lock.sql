-- PostgreSQL only, run after postgresql_users.sql: a row for each user whose lock a save
-- takes (SELECT ... FOR UPDATE, the row made by the first save), so that two saves of one
-- user run one after another. Where row security is on, a user's role reaches its own row
-- alone, so no other login can hold a user's saves back. It may run again on an existing
-- schema: it adds what is missing and changes nothing else.
CREATE TABLE IF NOT EXISTS T_PSAVELOCK (
  F_UID INTEGER NOT NULL PRIMARY KEY
);

DO $$
DECLARE
  user_role TEXT;
BEGIN
  IF (SELECT relrowsecurity FROM pg_class WHERE oid = to_regclass('T_PHBUTTON'))
     AND NOT EXISTS (SELECT 1 FROM pg_policy WHERE polrelid = to_regclass('T_PSAVELOCK')) THEN
    ALTER TABLE T_PSAVELOCK ENABLE ROW LEVEL SECURITY;
    CREATE POLICY own_rows ON T_PSAVELOCK
      USING (F_UID = (SELECT F_UID FROM T_PUSERROLE WHERE F_ROLE = current_user));
  END IF;
  -- Roles made users before the table existed get what add-user grants on it.
  FOR user_role IN SELECT F_ROLE FROM T_PUSERROLE WHERE F_ROLE IN (SELECT rolname FROM pg_roles) LOOP
    EXECUTE format('GRANT SELECT, INSERT, UPDATE, DELETE ON T_PSAVELOCK TO %I', user_role);
  END LOOP;
END $$;
