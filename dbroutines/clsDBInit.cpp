// Setting the database type, with the message for an invalid one.
#include "dbroutines/clsDBInit.h"

#include "routines/MessagePresenter.h"

namespace dvDBrtns4 {

bool clsDBInit::DravikDBrtns_Init(enum_DBtype DBtype) {
    const qint32 type = DBtype;
    if (type < db_SQLServer || type > db_Oracle) {
        setDBType(db_typeUknown);
        dvRtns4::MessageRequest request;
        request.icon = dvRtns4::MsgIcon::Critical;
        request.title = QStringLiteral("DravikDBrtns");
        request.text = QStringLiteral("Invalid DravikDBrtns.DLL initialization");
        request.buttons = dvRtns4::MsgButtons::OkOnly;
        dvRtns4::messagePresenter().show(request);
        return false;
    }
    setDBType(DBtype);
    return true;
}

} // namespace dvDBrtns4
