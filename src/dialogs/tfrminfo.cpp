#include "dialogs/tfrminfo.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "dialogs/publisher.h"
#include "platform/guardedaction.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/linklabel.h"
#include "widgets/picturebutton.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmInfo::TfrmInfo(QWidget* parent)
    : DialogFrame(u" Informazioni su Velinda"_s, QSize(473, 579), Placement::CentreOfScreen,
                  parent) {
  setObjectName(u"TfrmInfo"_s);
  Controls::picture(u"imgLogo"_s, u":/art/logo.svg"_s, QRect(20, 24, 433, 51), this);

  QLabel* about =
      Controls::label(u"lblInformazioni"_s, {}, QRect(30, 100, 413, 290), Fonts::verdana(11), this);
  about->setWordWrap(true);
  about->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  about->setText(
      u"<p style='font-size:15pt'><b>%1</b></p>"
      "<p>Compilazione, stampa e archivio dei moduli per le raccomandate: "
      "ricevuta di accettazione e avviso di ricevimento, con archivio "
      "anagrafico dei mittenti e dei destinatari.</p>"
      "<p>Versione %2</p><p>&copy; %3</p>"
      "<p>Per informazioni e assistenza sul software scrivere all'indirizzo "
      "di posta elettronica qui sotto.</p>"_s.arg(
          Publisher::kProduct, QStringLiteral(VELINDA_VERSION), Publisher::kName));

  auto* imgEmail = new PictureButton(u"imgEmail"_s, u":/art/email.svg"_s, QSize(36, 36),
                                     u"Scrivi all'assistenza"_s, this);
  imgEmail->move(40, 420);
  auto* lnkWeb = new LinkLabel(u"lnkWeb"_s, Publisher::kSupportEmail, this);
  lnkWeb->setGeometry(84, 422, 360, 30);
  lnkWeb->attachIcon(imgEmail);
  connect(lnkWeb, &LinkLabel::clicked, this,
          guarded(this, [] { Services::shell().open(supportMail()); }));

  QPushButton* btnChiudi =
      Controls::button(u"btnChiudi"_s, u"Chiudi"_s, QRect(181, 520, 110, 32), this);
  connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

QUrl TfrmInfo::supportMail() {
  return ShellTarget::mail(
      Publisher::kSupportEmail, u"Software Velinda"_s,
      u"Salve, desidererei avere le seguenti informazioni sul software in oggetto:"_s);
}

}  // namespace velinda
