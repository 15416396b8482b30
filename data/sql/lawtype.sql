-- Kinds of act, in the order of the legislation tree, and the row types of
-- the parts of an act (article 2, paragraph 5, sub-paragraph 7), which never
-- get a branch and are shown one row at a time when a link names them.
-- 12: searchable but without a branch; 13: neither searched nor assembled;
-- 90 and above: never a branch (90 holds the document templates).
INSERT INTO LAWTYPE (type_id, descr, display_flag, LAWTYPE_SHOW, LAWTYPE_ORDERNO) VALUES
    (1,  'Νόμοι',                                1, 1, 1),
    (3,  'Προεδρικά Διατάγματα',                 1, 1, 2),
    (4,  'Υπουργικές Αποφάσεις',                 1, 1, 3),
    (8,  'Κοινές Υπουργικές Αποφάσεις',          1, 1, 4),
    (6,  'Εγκύκλιοι',                            1, 1, 5),
    (12, 'Καταργημένα νομοθετήματα',             1, 0, 6),
    (13, 'Αποφάσεις Διευθύνσεων Εκπαίδευσης',    0, 1, 7),
    (2,  'Άρθρο',                                0, 0, 20),
    (5,  'Παράγραφος',                           0, 0, 21),
    (7,  'Υποπαράγραφος',                        0, 0, 22),
    (90, 'Υποδείγματα εγγράφων',                 1, 1, 8),
    (95, 'Αρχειακά νομοθετήματα',                1, 1, 9);
