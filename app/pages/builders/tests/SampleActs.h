// The rows the act, link and law viewer tests share: a few acts of every
// shape (a single row, a whole text, an attached document, an act assembled
// from articles, paragraphs and sub-paragraphs, acts with null flags), the
// topics that cite them and two templates.
#pragma once

namespace testsupport {

inline const char* kSampleActs = R"SQL(
INSERT INTO LAWTYPE VALUES (1,'Νόμοι',1,1,1), (2,'Άρθρο',1,0,90), (5,'Παράγραφος',1,0,91),
  (7,'Υποπαράγραφος',1,0,92), (4,'Εγκύκλιοι',0,1,3), (8,'Χωρίς ένδειξη',NULL,1,4);
INSERT INTO law (law_id,law_code,title,descr,type_id,all_law_flag,issue_date,law_year,article_code,parag_code,parag_subcode,BlobType) VALUES
  (10,'Ε10','Εγκύκλιος 10','<p>Κείμενο εγκυκλίου</p>',4,0,'2019-01-01',2019,NULL,NULL,NULL,NULL),
  (11,'N11','Ν. 11/2010','<p>Όλο το κείμενο</p>',1,1,'2010-05-01',2010,NULL,NULL,NULL,''),
  (21,'N11','Ν. 11/2010 (κεφαλίδα)',NULL,1,0,'2010-05-01',2010,NULL,NULL,NULL,NULL),
  (12,'Ε12','Εγκύκλιος 12',NULL,4,0,'2018-01-01',2018,NULL,NULL,NULL,'rtf'),
  (100,'N100','Ν. 100/2000','<p>Προοίμιο</p>',1,0,'2000-03-01',2000,NULL,NULL,NULL,'rtf'),
  (101,'N100','Άρθρο 10','<p>δέκα</p>',2,0,NULL,2000,'10',NULL,NULL,NULL),
  (102,'N100','Άρθρο 2','<p>δύο</p>',2,0,NULL,2000,'2',NULL,NULL,NULL),
  (103,'N100','Παρ. 2.1','<p>δύο ένα</p>',5,0,NULL,2000,'2','1',NULL,NULL),
  (104,'N100','Παρ. 3.1','<p>τρία ένα</p>',5,0,NULL,2000,'3','1',NULL,NULL),
  (105,'N100','Υποπαρ. 3.1.α','<p>τρία ένα α</p>',7,0,NULL,2000,'3','1','1',NULL),
  (106,'N100','Υποπαρ. 4.2.α','<p>τέσσερα δύο α</p>',7,0,NULL,2000,'4','2','1',NULL),
  (107,'N100','Υποπαρ. 2.9.α','<p>δύο εννιά α</p>',7,0,NULL,2000,'2','9','1',NULL),
  (20,'N20','Ν. 20/2005','<p>Χωρίς σημαία</p>',1,NULL,'2005-01-01',2005,NULL,NULL,NULL,NULL),
  (30,'Χ30','Πράξη 30','<p>τύπος χωρίς ένδειξη</p>',8,0,'2001-01-01',2001,NULL,NULL,NULL,NULL);
INSERT INTO topic VALUES (1,0,'Άδειες',1,0,0), (2,0,'Μεταθέσεις',2,0,0), (3,0,'Εκπαίδευση',3,0,0),
  (4,0,NULL,4,0,0), (5,0,'Ειδικά θέματα',5,0,0);
INSERT INTO abstract VALUES (40,1,'<p>α40</p>',1), (41,2,'<p>α41</p>',1), (42,3,'<p>α42</p>',1),
  (43,4,'<p>α43</p>',1), (44,1,'<p>α44</p>',2), (45,5,'<p>α45</p>',1);
INSERT INTO abstract_law VALUES (40,100,1,1), (41,101,1,1), (42,100,1,1), (43,100,1,1),
  (44,100,1,1), (45,21,1,1);
INSERT INTO Schedulelaw (law_id,law_code,title,descr,type_id,all_law_flag,article_code,parag_code,parag_subcode,BlobType) VALUES
  (200,'Υ200','Αίτηση άδειας','<p>Προς τη Διεύθυνση</p>',4,0,NULL,NULL,NULL,NULL),
  (210,'Υ210','Πρακτικό','<p>Εισαγωγή</p>',1,0,NULL,NULL,NULL,NULL),
  (211,'Υ210','Άρθρο 1','<p>Πρώτο</p>',2,0,'1',NULL,NULL,NULL),
  (212,'Υ210','Παρ. 1.1','<p>Πρώτο ένα</p>',5,0,'1','1',NULL,NULL),
  (220,'Υ220','Απουσίες',NULL,1,0,NULL,NULL,NULL,'xls');
)SQL";

} // namespace testsupport
