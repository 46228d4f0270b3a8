-- One row of a user for one list: a second row of the same non-zero list id is refused.
-- Rows with id 0 (lists the catalogue lacks) stay free. Written to run again harmlessly:
-- prefdesk-host init --upgrade adds it to a store made before it existed.
CREATE UNIQUE INDEX IF NOT EXISTS T_PVBUTTON_ONE_PER_USER ON T_PVBUTTON (F_UID, F_VBUTTONID)
  WHERE F_VBUTTONID <> 0;
