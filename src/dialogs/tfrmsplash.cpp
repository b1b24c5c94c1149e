#include "dialogs/tfrmsplash.h"

#include <QPushButton>

#include "dialogs/publisher.h"
#include "platform/guardedaction.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "widgets/controls.h"
#include "widgets/linklabel.h"
#include "widgets/picturebutton.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmSplash::TfrmSplash(QWidget* parent)
    : DialogFrame(u" Velinda - "_s + Publisher::kName, QSize(661, 467), Placement::CentreOfOwner,
                  parent) {
  setObjectName(u"TfrmSplash"_s);
  Controls::picture(u"imgSplash"_s, u":/art/splash.svg"_s, QRect(18, 14, 625, 380), this);

  auto* imgWeb = new PictureButton(u"imgWeb"_s, u":/art/web.svg"_s, QSize(36, 36),
                                   u"Visita il sito web"_s, this);
  imgWeb->move(18, 412);
  auto* lnkWeb = new LinkLabel(u"lnkWeb"_s, Publisher::kWebAddressShown, this);
  lnkWeb->setGeometry(62, 414, 360, 30);
  lnkWeb->attachIcon(imgWeb);
  connect(lnkWeb, &LinkLabel::clicked, this,
          guarded(this, [] { Services::shell().open(ShellTarget::web(Publisher::kWebAddress)); }));

  QPushButton* btnChiudi =
      Controls::button(u"btnChiudi"_s, u"Chiudi"_s, QRect(533, 412, 110, 32), this);
  connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace velinda
