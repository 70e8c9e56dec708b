#include "banking/AccountResultBase.h"

namespace fv {

FV_REGISTER_CLASS(AccountResultBase);

AccountResultBase::~AccountResultBase() = default;

void AccountResultBase::formatView() {
    FlowEndBase::formatView();
    lbl_headerTitle->setTextColor(UIColor::whiteColor());
}

}  // namespace fv
