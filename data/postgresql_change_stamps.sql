-- PostgreSQL only, run by init after postgresql_users.sql; every statement may run again on a
-- schema that has them (the upgrade of an existing store).
-- T_PCHANGE: one row per user whose stored preferences have changed. F_STAMP grows by one for
-- each transaction that changes the user's rows; each kind column holds the stamp of the last
-- change of that kind. The first change of a kind in a transaction sends a notification, which
-- the server delivers at commit and drops on rollback: on the user's channel "KIND STAMP",
-- on the channel of row 0 (every user) "USER KIND STAMP". Channel names are random, so that
-- only a role that may read a user's row (row security) learns that user's channel.
CREATE TABLE IF NOT EXISTS T_PCHANGE (
  F_UID INTEGER NOT NULL PRIMARY KEY,
  F_STAMP BIGINT NOT NULL DEFAULT 0,
  F_SETTINGS BIGINT NOT NULL DEFAULT 0,
  F_LAYOUT BIGINT NOT NULL DEFAULT 0,
  F_QUERIES BIGINT NOT NULL DEFAULT 0,
  F_SCHEMES BIGINT NOT NULL DEFAULT 0,
  F_XACT BIGINT,  -- the transaction that set F_STAMP
  F_CHANNEL TEXT NOT NULL DEFAULT 'prefdesk_' || replace(gen_random_uuid()::text, '-', '')
);
INSERT INTO T_PCHANGE (F_UID) VALUES (0) ON CONFLICT (F_UID) DO NOTHING;

-- The stamp and the notifications of one user and kind, once per transaction (F_XACT).
CREATE OR REPLACE FUNCTION PREFDESK_RECORD_CHANGE(user_id INTEGER, kind TEXT) RETURNS VOID
LANGUAGE plpgsql SECURITY DEFINER AS $$
DECLARE
  xact BIGINT := txid_current();
  stamp BIGINT;
  channel TEXT;
BEGIN
  FOR attempt IN 1..2 LOOP
    UPDATE T_PCHANGE c SET
        F_STAMP = c.F_STAMP + (c.F_XACT IS DISTINCT FROM xact)::INTEGER,
        F_XACT = xact,
        F_SETTINGS = CASE WHEN kind = 'settings' THEN c.F_STAMP + (c.F_XACT IS DISTINCT FROM xact)::INTEGER ELSE c.F_SETTINGS END,
        F_LAYOUT = CASE WHEN kind = 'layout' THEN c.F_STAMP + (c.F_XACT IS DISTINCT FROM xact)::INTEGER ELSE c.F_LAYOUT END,
        F_QUERIES = CASE WHEN kind = 'queries' THEN c.F_STAMP + (c.F_XACT IS DISTINCT FROM xact)::INTEGER ELSE c.F_QUERIES END,
        F_SCHEMES = CASE WHEN kind = 'schemes' THEN c.F_STAMP + (c.F_XACT IS DISTINCT FROM xact)::INTEGER ELSE c.F_SCHEMES END
      WHERE c.F_UID = user_id
        AND (c.F_XACT IS DISTINCT FROM xact
             OR c.F_STAMP <> CASE kind WHEN 'settings' THEN c.F_SETTINGS WHEN 'layout' THEN c.F_LAYOUT
                                       WHEN 'queries' THEN c.F_QUERIES ELSE c.F_SCHEMES END)
      RETURNING c.F_STAMP, c.F_CHANNEL INTO stamp, channel;
    IF FOUND THEN
      PERFORM pg_notify(channel, kind || ' ' || stamp);
      PERFORM pg_notify((SELECT F_CHANNEL FROM T_PCHANGE WHERE F_UID = 0), user_id || ' ' || kind || ' ' || stamp);
      RETURN;
    END IF;
    EXIT WHEN EXISTS (SELECT 1 FROM T_PCHANGE WHERE F_UID = user_id);
    INSERT INTO T_PCHANGE (F_UID) VALUES (user_id) ON CONFLICT (F_UID) DO NOTHING;
  END LOOP;
END $$;

-- A watcher makes sure its user has a row (and so a channel) before it reads the channel.
CREATE OR REPLACE FUNCTION PREFDESK_ADD_CHANGE_STAMP(user_id INTEGER) RETURNS VOID
LANGUAGE sql SECURITY DEFINER AS $$
  INSERT INTO T_PCHANGE (F_UID) SELECT user_id WHERE user_id BETWEEN 1 AND 32767
    ON CONFLICT (F_UID) DO NOTHING;
$$;

DO $$
DECLARE
  per_user_table TEXT;
  kind TEXT;
  user_role NAME;
BEGIN
  EXECUTE format('ALTER FUNCTION PREFDESK_RECORD_CHANGE(INTEGER, TEXT) SET search_path = %I, pg_temp', current_schema());
  EXECUTE format('ALTER FUNCTION PREFDESK_ADD_CHANGE_STAMP(INTEGER) SET search_path = %I, pg_temp', current_schema());
  -- Row triggers: the component writes a row a statement, so a statement trigger (and its
  -- transition tables) would cost as much for every row. The users and kinds the transaction
  -- has stamped are listed in a transaction-local setting (",layout7,settings7,"), and a row
  -- of one of them returns at once. (A WHEN test on the trigger is dearer: it is prepared for
  -- every statement.) The trigger runs as the writer and names the schema of the recording
  -- function, so that it works whatever the writer's search path.
  EXECUTE format($f$
    CREATE OR REPLACE FUNCTION PREFDESK_STAMP_CHANGE() RETURNS TRIGGER LANGUAGE plpgsql AS $body$
    DECLARE
      row_user INTEGER;
    BEGIN
      IF TG_OP = 'DELETE' THEN row_user := OLD.F_UID; ELSE row_user := NEW.F_UID; END IF;
      IF strpos(coalesce(current_setting('prefdesk.stamped', true), ''), ',' || TG_ARGV[0] || row_user || ',') > 0
         AND (TG_OP <> 'UPDATE' OR OLD.F_UID = NEW.F_UID) THEN
        RETURN NULL;
      END IF;
      PERFORM %1$I.PREFDESK_RECORD_CHANGE(row_user, TG_ARGV[0]);
      IF TG_OP = 'UPDATE' AND OLD.F_UID <> NEW.F_UID THEN
        PERFORM %1$I.PREFDESK_RECORD_CHANGE(OLD.F_UID, TG_ARGV[0]);
      END IF;
      PERFORM set_config('prefdesk.stamped', coalesce(nullif(current_setting('prefdesk.stamped', true), ''), ',')
                                             || TG_ARGV[0] || row_user || ',', true);
      RETURN NULL;
    END $body$
  $f$, current_schema());
  FOR per_user_table, kind IN
    SELECT * FROM (VALUES ('T_PMISC', 'settings'), ('T_PHBUTTON', 'layout'), ('T_PVBUTTON', 'layout'),
                          ('T_PQUERY', 'queries'), ('T_PSCREENSTYLE', 'schemes')) AS t
  LOOP
    EXECUTE format('DROP TRIGGER IF EXISTS stamp_insert ON %s', per_user_table);
    EXECUTE format('DROP TRIGGER IF EXISTS stamp_update ON %s', per_user_table);
    EXECUTE format('DROP TRIGGER IF EXISTS stamp_delete ON %s', per_user_table);
    EXECUTE format('CREATE TRIGGER stamp_insert AFTER INSERT ON %s FOR EACH ROW '
                   'EXECUTE FUNCTION PREFDESK_STAMP_CHANGE(%L)', per_user_table, kind);
    EXECUTE format('CREATE TRIGGER stamp_update AFTER UPDATE ON %s FOR EACH ROW '
                   'EXECUTE FUNCTION PREFDESK_STAMP_CHANGE(%L)', per_user_table, kind);
    EXECUTE format('CREATE TRIGGER stamp_delete AFTER DELETE ON %s FOR EACH ROW '
                   'EXECUTE FUNCTION PREFDESK_STAMP_CHANGE(%L)', per_user_table, kind);
  END LOOP;
  -- On a row-secured schema a user's role reads its own user's row alone; row 0, the channel
  -- of every user, stays the administrator's.
  IF (SELECT relrowsecurity FROM pg_class WHERE oid = 'T_PMISC'::regclass) THEN
    ALTER TABLE T_PCHANGE ENABLE ROW LEVEL SECURITY;
    DROP POLICY IF EXISTS own_rows ON T_PCHANGE;
    CREATE POLICY own_rows ON T_PCHANGE
      USING (F_UID = (SELECT F_UID FROM T_PUSERROLE WHERE F_ROLE = current_user));
  END IF;
  FOR user_role IN SELECT F_ROLE FROM T_PUSERROLE WHERE F_ROLE IN (SELECT rolname FROM pg_roles) LOOP
    EXECUTE format('GRANT SELECT ON T_PCHANGE TO %I', user_role);
  END LOOP;
END $$;
