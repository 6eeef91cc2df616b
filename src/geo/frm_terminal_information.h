// The terminal information window: both terminals of the current lane with their address,
// phones and contact, and the lane's service, opened from the quote window.
#pragma once

#include "base/program_dir.h"
#include "forms/control.h"
#include "forms/form.h"
#include "geo/service_guide.h"

namespace tarvex::geo {

class frmTerminalInformation : public forms::Form {
 public:
  // Reads the lane state and the quote window's service labels when it loads.
  frmTerminalInformation(forms::Runtime& runtime, const base::ProgramDir& dir,
                         const LaneService& lane, const forms::Label& quoteServiceDays,
                         const forms::Label& quoteServiceType);

  void Form_Load() override;
  void cmdClose_Click();

  // Fixed captions.
  forms::Label lblOriginTerminalLabel{*this, "lblOriginTerminalLabel"};
  forms::Label lblOriginAddressLabel{*this, "lblOriginAddressLabel"};
  forms::Label lblOriginPhoneLabel{*this, "lblOriginPhoneLabel"};
  forms::Label lblOriginFreePhoneLabel{*this, "lblOriginFreePhoneLabel"};
  forms::Label lblOriginFaxLabel{*this, "lblOriginFaxLabel"};
  forms::Label lblOriginEmailLabel{*this, "lblOriginEmailLabel"};
  forms::Label lblOriginContactLabel{*this, "lblOriginContactLabel"};
  forms::Label lblDestinationTerminalLabel{*this, "lblDestinationTerminalLabel"};
  forms::Label lblDestinationAddressLabel{*this, "lblDestinationAddressLabel"};
  forms::Label lblDestinationPhoneLabel{*this, "lblDestinationPhoneLabel"};
  forms::Label lblDestinationFreePhoneLabel{*this, "lblDestinationFreePhoneLabel"};
  forms::Label lblDestinationFaxLabel{*this, "lblDestinationFaxLabel"};
  forms::Label lblDestinationEmailLabel{*this, "lblDestinationEmailLabel"};
  forms::Label lblDestinationContactLabel{*this, "lblDestinationContactLabel"};

  // The origin side.
  forms::Label lblOriginTerminal{*this, "lblOriginTerminal"};
  forms::Label lblOriginAddress1{*this, "lblOriginAddress1"};
  forms::Label lblOriginAddress2{*this, "lblOriginAddress2"};
  forms::Label lblOriginCSZ{*this, "lblOriginCSZ"};
  forms::Label lblOriginPhone{*this, "lblOriginPhone"};
  forms::Label lblOriginFreePhone{*this, "lblOriginFreePhone"};
  forms::Label lblOriginFax{*this, "lblOriginFax"};
  forms::Label lblOriginEmail{*this, "lblOriginEmail"};
  forms::Label lblOriginContactName{*this, "lblOriginContactName"};
  forms::Label lblOriginContactTitle{*this, "lblOriginContactTitle"};

  // The destination side.
  forms::Label lblDestinationTerminal{*this, "lblDestinationTerminal"};
  forms::Label lblDestinationAddress1{*this, "lblDestinationAddress1"};
  forms::Label lblDestinationAddress2{*this, "lblDestinationAddress2"};
  forms::Label lblDestinationCSZ{*this, "lblDestinationCSZ"};
  forms::Label lblDestinationPhone{*this, "lblDestinationPhone"};
  forms::Label lblDestinationFreePhone{*this, "lblDestinationFreePhone"};
  forms::Label lblDestinationFax{*this, "lblDestinationFax"};
  forms::Label lblDestinationEmail{*this, "lblDestinationEmail"};
  forms::Label lblDestinationContactName{*this, "lblDestinationContactName"};
  forms::Label lblDestinationContactTitle{*this, "lblDestinationContactTitle"};

  // The lane's service.
  forms::Label lblServiceDays{*this, "lblServiceDays"};
  forms::Label lblServiceType{*this, "lblServiceType"};

  forms::CommandButton cmdClose{*this, "cmdClose"};

 private:
  struct Side {
    forms::Label& terminal;
    forms::Label& address1;
    forms::Label& address2;
    forms::Label& csz;
    forms::Label& phone;
    forms::Label& freePhone;
    forms::Label& fax;
    forms::Label& email;
    forms::Label& contactName;
    forms::Label& contactTitle;
  };
  void FillSide(Side side, std::int32_t terminal);

  base::ProgramDir dir_;
  const LaneService& lane_;
  const forms::Label& quoteServiceDays_;
  const forms::Label& quoteServiceType_;
};

}  // namespace tarvex::geo
