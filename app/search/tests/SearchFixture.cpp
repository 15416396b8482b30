// The search tests' database and window.
#include "app/search/tests/SearchFixture.h"

#include "dbroutines/clsDBInit.h"
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeNode.h"

#include <QTreeWidgetItemIterator>

namespace searchtest {

// Topics (levels): 1 > 11 > 111 > 1111 > 11111, 1 > 12, 2 > 21, 3.
// Keywords: 1 ΑΔΕΙΑ ΚΥΗΣΗΣ (topics 111, 12), 2 ΜΕΤΑΘΕΣΗ (111), 3 ΑΔΕΙΑ
// ΑΝΑΤΡΟΦΗΣ (111 again), 4 ΦΟΙΤΗΣΗ (root 2), 5 Ο' ΤΑΞΗ (21), 6 50% ΕΚΠΤΩΣΗ
// (1111), 7 ΕΝΟΤΗΤΑ_Α and 8 ΕΝΟΤΗΤΑ ΑΛΦΑ (3).
// Acts: types 1 and 3 displayed, 4 not displayed, 95 displayed but above 90.
// Chart: 1 > 10 > 100, 101; 2 > 20.
const char* const kSearchData = R"SQL(
INSERT INTO topic VALUES
  (1,0,'Σχολικές μονάδες',1,0,0), (2,0,'Μαθητές',2,0,0), (3,0,'ΪΣΟΤΗΤΑ',3,0,0),
  (11,1,'Νηπιαγωγεία',1,0,0), (12,1,'Δημοτικά σχολεία',2,0,0),
  (111,11,'Ισότητα των φύλων',1,0,0), (1111,111,'Άδειες κυήσεως',1,0,0),
  (11111,1111,'Ισότητα βαθμού πέντε',1,0,0), (21,2,'Εγγραφές',1,0,0);
INSERT INTO abstract VALUES (1,111,'<p>α</p>',1), (2,12,'<p>β</p>',1), (3,111,'<p>γ</p>',2),
  (4,2,'<p>δ</p>',1), (5,21,'<p>ε</p>',1), (6,1111,'<p>ζ</p>',1), (7,3,'<p>η</p>',1);
INSERT INTO KEYS VALUES (1,'ΑΔΕΙΑ ΚΥΗΣΗΣ'), (2,'ΜΕΤΑΘΕΣΗ'), (3,'ΑΔΕΙΑ ΑΝΑΤΡΟΦΗΣ'),
  (4,'ΦΟΙΤΗΣΗ'), (5,'Ο'' ΤΑΞΗ'), (6,'50% ΕΚΠΤΩΣΗ'), (7,'ΕΝΟΤΗΤΑ_Α'), (8,'ΕΝΟΤΗΤΑ ΑΛΦΑ'),
  (9,'ΑΞΙΟΛΟΓΗΣΗ');
INSERT INTO ABSTRACT_KEYS VALUES (1,1), (1,2), (2,1), (3,3), (3,1), (4,4), (5,5), (6,6),
  (7,7), (7,8);
INSERT INTO LAWTYPE VALUES (1,'Νόμοι',1,1,1), (3,'Διατάγματα',1,1,2), (4,'Κρυφά',0,1,3),
  (95,'Άνω του 90',1,1,4);
INSERT INTO law (law_id,law_code,title,descr,type_id,all_law_flag,issue_date,law_year) VALUES
  (101,'1566/1985','Νόμος 1566/1985 για τη δομή','<p>1</p>',1,1,'1985-09-30',1985),
  (102,'2525/1997','Νόμος 2525/1997','<p>2</p>',1,1,'1997-09-23',1997),
  (201,'79/2017','Διάταγμα 79/2017 για την οργάνωση','<p>3</p>',3,1,'2017-08-01',2017),
  (202,'18/2018','Διάταγμα 18/2018','<p>4</p>',3,1,'2018-03-01',2018),
  (401,'Κ 1566','Κρυφή πράξη 1566','<p>5</p>',4,1,'2001-01-01',2001),
  (951,'Ε 1566','Ειδική πράξη 1566','<p>6</p>',95,1,'2002-01-01',2002);
INSERT INTO LAW_KEYS VALUES (101,9), (201,9), (202,9), (401,9), (951,9), (102,2);
INSERT INTO schedule VALUES (1,0,'Υπουργείο Παιδείας',1,0,0,0), (2,0,'Περιφέρειες',2,0,0,0),
  (10,1,'Διεύθυνση Σπουδών',1,0,0,0), (100,10,'Τμήμα Α'' Σπουδών',1,0,0,0),
  (101,10,'Τμήμα Β'' Σπουδών',2,0,0,0), (20,2,'Διεύθυνση Εκπαίδευσης',1,0,0,0);
)SQL";

std::unique_ptr<lexora::trees::TreeControl> makeTree() {
    auto tree = std::make_unique<lexora::trees::TreeControl>();
    tree->setImageList(lexora::trees::treeImageList());
    return tree;
}

namespace {
QStringList keysWhere(const lexora::trees::TreeControl& tree,
                      bool (*test)(const lexora::trees::TreeNode&)) {
    QStringList keys;
    for (QTreeWidgetItemIterator it(const_cast<lexora::trees::TreeControl*>(&tree)); *it; ++it)
        if (const auto* node = lexora::trees::TreeNode::from(*it); node && test(*node))
            keys << node->key();
    keys.sort();
    return keys;
}
} // namespace

QStringList markedKeys(const lexora::trees::TreeControl& tree) {
    return keysWhere(tree, [](const lexora::trees::TreeNode& n) {
        return n.isBold() && n.backColor() == QColor(230, 207, 195) &&
               n.foreColor() == QColor(0, 0, 128);
    });
}

QStringList expandedKeys(const lexora::trees::TreeControl& tree) {
    return keysWhere(tree, [](const lexora::trees::TreeNode& n) { return n.isExpanded(); });
}

SearchDatabase::SearchDatabase(const QString& extraSql)
    : db(QString::fromUtf8(kSearchData) + extraSql) {
    dvDBrtns4::clsDBInit::DravikDBrtns_Init(dvDBrtns4::db_Access);
    context.connection.open(engine::connectionTextFor(db.path(), QString()));
    context.state.applicationFolder = db.folder();
}

SearchWindow::SearchWindow()
    : window(std::make_unique<QWidget>()), form(window.get(), testsupport::testTabCaptions()) {}

} // namespace searchtest
