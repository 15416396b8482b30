-- Tables of edudata.mdb. Integer ids, HTML texts, 0/1 flags; Boolean columns
-- are declared BOOLEAN so that the engine hands them out as Booleans; dates
-- are ISO texts (yyyy-mm-dd) declared DATE.
PRAGMA user_version = 29;

CREATE TABLE topic (
    topic_id        INTEGER PRIMARY KEY,
    topic_id_parent INTEGER NOT NULL DEFAULT 0,
    descr           TEXT,
    order_flag_lev1 INTEGER,
    order_flag_lev2 INTEGER,
    order_flag_lev3 INTEGER
);
-- A node's children in their order, read from the index alone (tree fills).
CREATE INDEX topic_children ON topic (topic_id_parent, order_flag_lev1, order_flag_lev2,
                                      order_flag_lev3, descr);

CREATE TABLE abstract (
    abstract_id   INTEGER PRIMARY KEY,
    topic_id      INTEGER NOT NULL,
    descr         TEXT,
    aa_abstr_flag INTEGER
);
CREATE INDEX abstract_topic ON abstract (topic_id);

CREATE TABLE abstract_law (
    abstract_id       INTEGER NOT NULL,
    law_id            INTEGER NOT NULL,
    display_conn_flag INTEGER,
    aa_law_flag       INTEGER,
    PRIMARY KEY (abstract_id, law_id)
);
CREATE INDEX abstract_law_law ON abstract_law (law_id);

CREATE TABLE LAWTYPE (
    type_id         INTEGER PRIMARY KEY,
    descr           TEXT,
    display_flag    INTEGER,
    LAWTYPE_SHOW    BOOLEAN,
    LAWTYPE_ORDERNO INTEGER
);

CREATE TABLE law (
    law_id        INTEGER PRIMARY KEY,
    law_code      TEXT,
    title         TEXT,
    descr         TEXT,
    type_id       INTEGER,
    all_law_flag  INTEGER,
    issue_date    DATE,
    law_year      INTEGER,
    article_code  TEXT,
    parag_code    TEXT,
    parag_subcode TEXT,
    BlobType      TEXT,
    BlobBody      BLOB
);
-- The rows of an act, and the tests for its article, paragraph and
-- whole-text rows, found without reading the rows' texts.
CREATE INDEX law_code_parts ON law (law_code, type_id, article_code, parag_code, all_law_flag);
-- The acts of a type newest first, with what the legislation tree shows of
-- them and the titles the title search reads, from the index alone: the
-- table's rows hold texts of many KB.
CREATE INDEX law_type_order ON law (type_id, issue_date, law_year, law_code, all_law_flag, title);

CREATE TABLE KEYS (
    KEY_ID INTEGER PRIMARY KEY,
    descr  TEXT
);

CREATE TABLE LAW_KEYS (
    LAW_ID INTEGER NOT NULL,
    KEY_ID INTEGER NOT NULL,
    PRIMARY KEY (LAW_ID, KEY_ID)
);

CREATE TABLE ABSTRACT_KEYS (
    ABSTRACT_ID INTEGER NOT NULL,
    KEY_ID      INTEGER NOT NULL,
    PRIMARY KEY (ABSTRACT_ID, KEY_ID)
);

CREATE TABLE schedule (
    schedule_id        INTEGER PRIMARY KEY,
    schedule_id_parent INTEGER NOT NULL DEFAULT 0,
    descr              TEXT,
    order_flag_lev1    INTEGER,
    order_flag_lev2    INTEGER,
    order_flag_lev3    INTEGER,
    IsBlob             BOOLEAN NOT NULL DEFAULT 0
);
CREATE INDEX schedule_children ON schedule (schedule_id_parent, order_flag_lev1, order_flag_lev2,
                                            order_flag_lev3, descr);

CREATE TABLE ScheduleAbstract (
    Abstract_id   INTEGER PRIMARY KEY,
    Schedule_id   INTEGER NOT NULL,
    descr         TEXT,
    aa_abstr_flag INTEGER,
    BlobBody      BLOB
);
CREATE INDEX schedule_abstract_node ON ScheduleAbstract (Schedule_id);

CREATE TABLE Schedulelaw (
    law_id        INTEGER PRIMARY KEY,
    law_code      TEXT,
    title         TEXT,
    descr         TEXT,
    type_id       INTEGER,
    all_law_flag  INTEGER,
    article_code  TEXT,
    parag_code    TEXT,
    parag_subcode TEXT,
    BlobType      TEXT,
    BlobBody      BLOB
);
CREATE INDEX schedulelaw_code_idx ON Schedulelaw (law_code);

CREATE TABLE system_law_parameters (
    sys_info_display SMALLINT
);
