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
CREATE INDEX topic_parent ON topic (topic_id_parent);

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
CREATE INDEX law_code_idx ON law (law_code);
CREATE INDEX law_type_idx ON law (type_id);

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
CREATE INDEX schedule_parent ON schedule (schedule_id_parent);

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
