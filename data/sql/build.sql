-- Fills edudata.mdb: run by the sqlite3 shell in the data folder, after
-- schema.sql, so that readfile() finds the attached documents.
BEGIN;
.read sql/lawtype.sql
.read sql/laws.sql
.read sql/decrees.sql
.read sql/decisions.sql
.read sql/circulars.sql
.read sql/other_acts.sql
.read sql/topics.sql
.read sql/abstracts.sql
.read sql/keywords.sql
.read sql/schedule.sql
.read sql/templates.sql
.read sql/settings.sql
COMMIT;
