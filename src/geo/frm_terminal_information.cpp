#include "geo/frm_terminal_information.h"

#include <string>
#include <tuple>

#include "base/text.h"

namespace tarvex::geo {
namespace {

// Two columns of caption and value, origin above destination, in twips.
constexpr int kCaptionLeft = 240;
constexpr int kValueLeft = 1560;
constexpr int kValueWidth = 5400;
constexpr int kLine = 260;

void Place(forms::Control& c, int left, int top, int width) {
  c.move(left, top, width, kLine - 20);
}

}  // namespace

frmTerminalInformation::frmTerminalInformation(forms::Runtime& runtime, const base::ProgramDir& dir,
                                               const LaneService& lane,
                                               const forms::Label& quoteServiceDays,
                                               const forms::Label& quoteServiceType)
    : Form(runtime, "frmTerminalInformation"),
      dir_(dir),
      lane_(lane),
      quoteServiceDays_(quoteServiceDays),
      quoteServiceType_(quoteServiceType) {
  setCaption("Terminal Information");
  setWidth(7500);
  setHeight(7320);

  struct Captions {
    forms::Label& terminal;
    forms::Label& address;
    forms::Label& phone;
    forms::Label& freePhone;
    forms::Label& fax;
    forms::Label& email;
    forms::Label& contact;
    const char* terminalCaption;
  };
  const Captions sides[] = {
      {lblOriginTerminalLabel, lblOriginAddressLabel, lblOriginPhoneLabel, lblOriginFreePhoneLabel,
       lblOriginFaxLabel, lblOriginEmailLabel, lblOriginContactLabel, "Origin Terminal"},
      {lblDestinationTerminalLabel, lblDestinationAddressLabel, lblDestinationPhoneLabel,
       lblDestinationFreePhoneLabel, lblDestinationFaxLabel, lblDestinationEmailLabel,
       lblDestinationContactLabel, "Destination Terminal"},
  };
  const Side values[] = {
      {lblOriginTerminal, lblOriginAddress1, lblOriginAddress2, lblOriginCSZ, lblOriginPhone,
       lblOriginFreePhone, lblOriginFax, lblOriginEmail, lblOriginContactName,
       lblOriginContactTitle},
      {lblDestinationTerminal, lblDestinationAddress1, lblDestinationAddress2, lblDestinationCSZ,
       lblDestinationPhone, lblDestinationFreePhone, lblDestinationFax, lblDestinationEmail,
       lblDestinationContactName, lblDestinationContactTitle},
  };
  // The fixed captions stand out from the values.
  for (const Captions& side : sides)
    for (forms::Label* caption : {&side.terminal, &side.address, &side.phone, &side.freePhone,
                                  &side.fax, &side.email, &side.contact})
      caption->setBold(true);
  int top = 120;
  for (int s = 0; s < 2; ++s) {
    const Captions& c = sides[s];
    const Side& v = values[s];
    c.terminal.setCaption(c.terminalCaption);
    c.terminal.setBold(true);
    Place(c.terminal, kCaptionLeft, top, kValueWidth);
    top += kLine;
    Place(v.terminal, kCaptionLeft, top, kValueLeft + kValueWidth - kCaptionLeft);
    v.terminal.setBold(true);
    top += kLine + 60;
    c.address.setCaption("Address");
    Place(c.address, kCaptionLeft, top, kValueLeft - kCaptionLeft);
    for (forms::Label* l : {&v.address1, &v.address2, &v.csz}) {
      Place(*l, kValueLeft, top, kValueWidth);
      top += kLine;
    }
    for (auto [caption, text, value] :
         {std::tuple{&c.phone, "Phone", &v.phone},
          std::tuple{&c.freePhone, "Free Phone", &v.freePhone}, std::tuple{&c.fax, "Fax", &v.fax},
          std::tuple{&c.email, "Email", &v.email},
          std::tuple{&c.contact, "Contact", &v.contactName}}) {
      caption->setCaption(text);
      Place(*caption, kCaptionLeft, top, kValueLeft - kCaptionLeft);
      Place(*value, kValueLeft, top, kValueWidth);
      top += kLine;
    }
    Place(v.contactTitle, kValueLeft, top, kValueWidth);
    top += kLine + 240;
  }
  Place(lblServiceDays, kCaptionLeft, top, 2400);
  Place(lblServiceType, kCaptionLeft + 2520, top, 2400);
  cmdClose.setCaption("&Close");
  cmdClose.move(kValueLeft + kValueWidth - 1200, top - 60, 1200, 380);
  cmdClose.onClick = [this] { cmdClose_Click(); };
}

void frmTerminalInformation::FillSide(Side side, std::int32_t terminal) {
  if (terminal <= 0) return;
  const auto record = ReadTerminal(dir_, terminal);
  // A terminal the guide names but its list lacks leaves the side empty.
  if (!record) return;
  const auto text = [](const std::string& field) { return base::Cp1252ToUtf8(field); };
  side.terminal.setCaption(text(base::Trim(record->code) + " - " + record->name));
  side.address1.setCaption(text(record->address1));
  const std::string cityStateZip =
      base::Trim(record->city) + ", " + record->state + "  " + record->zip;
  if (!base::Trim(record->address2).empty()) {
    side.address2.setCaption(text(record->address2));
    side.csz.setCaption(text(cityStateZip));
  } else {
    side.address2.setCaption(text(cityStateZip));
  }
  side.phone.setCaption(text(record->phone));
  side.freePhone.setCaption(text(record->freePhone));
  side.fax.setCaption(text(record->fax));
  side.email.setCaption(text(record->email));
  side.contactName.setCaption(text(record->contactName));
  side.contactTitle.setCaption(text(record->contactTitle));
}

void frmTerminalInformation::Form_Load() {
  Centre();
  FillSide({lblOriginTerminal, lblOriginAddress1, lblOriginAddress2, lblOriginCSZ, lblOriginPhone,
            lblOriginFreePhone, lblOriginFax, lblOriginEmail, lblOriginContactName,
            lblOriginContactTitle},
           lane_.originTerminal);
  FillSide({lblDestinationTerminal, lblDestinationAddress1, lblDestinationAddress2,
            lblDestinationCSZ, lblDestinationPhone, lblDestinationFreePhone, lblDestinationFax,
            lblDestinationEmail, lblDestinationContactName, lblDestinationContactTitle},
           lane_.destinationTerminal);
  lblServiceDays.setCaption(quoteServiceDays_.caption());
  if (base::ToUpper(quoteServiceType_.caption().substr(0, 4)) == "NONE") {
    lblServiceType.setCaption("No Service");
  } else {
    lblServiceType.setCaption(quoteServiceType_.caption());
  }
}

void frmTerminalInformation::cmdClose_Click() {
  Unload();
}

}  // namespace tarvex::geo
