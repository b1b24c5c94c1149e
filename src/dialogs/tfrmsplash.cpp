#include "dialogs/tfrmsplash.h"

#include <QPushButton>

#include "dialogs/maker.h"
#include "platform/guardedaction.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "widgets/controls.h"
#include "widgets/linklabel.h"
#include "widgets/picture.h"
#include "widgets/picturebutton.h"

TfrmSplash::TfrmSplash(QWidget* parent)
    : DialogFrame(u" Velinda - "_qs + Maker::kName, QSize(661, 467),
                  Placement::CentreOfOwner, parent) {
  setObjectName(u"TfrmSplash"_qs);
  makePicture(u"imgSplash"_qs, u":/art/splash.svg"_qs, QRect(18, 14, 625, 380), this);

  auto* imgWeb = new PictureButton(u"imgWeb"_qs, u":/art/web.svg"_qs, QSize(36, 36),
                                   u"Visita il sito web"_qs, this);
  imgWeb->move(18, 412);
  auto* lnkWeb = new LinkLabel(u"lnkWeb"_qs, Maker::kWebAddressShown, this);
  lnkWeb->setGeometry(62, 414, 360, 30);
  lnkWeb->attachIcon(imgWeb);
  connect(lnkWeb, &LinkLabel::clicked, this, guarded(this, [] {
            Services::shell().open(ShellTarget::web(Maker::kWebAddress));
          }));

  QPushButton* btnChiudi =
      Controls::button(u"btnChiudi"_qs, u"Chiudi"_qs, QRect(533, 412, 110, 32), this);
  connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}
