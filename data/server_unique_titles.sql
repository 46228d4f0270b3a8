-- One row of a user for one title: a second row of the same non-zero title id is refused.
-- Rows with id 0 (titles the catalogue lacks) stay free. Written to run again harmlessly:
-- prefdesk-host init --upgrade adds it to a store made before it existed.
CREATE UNIQUE INDEX IF NOT EXISTS T_PHBUTTON_ONE_PER_USER ON T_PHBUTTON (F_UID, F_HBUTTONID)
  WHERE F_HBUTTONID <> 0;
