#pragma once

#include <QList>
#include <optional>

#include "printaids/aidscreen.h"
#include "printjobs/envelopeaddresses.h"
#include "printjobs/envelopelayout.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velinda {

class OffsetControls;

// Prints the envelope of the card whose texts (the controls reads() names)
// its opener took from its screen: the size (remembered in
// Impostazioni.ini), the window's side and the top and left offsets of that
// size with the form screens' "-", "+" and "Applica", whether to print the
// sender (from the address book: the card chosen as sender, remembered too),
// a preview and "Stampa".
class EnvelopeScreen : public AidScreen {
  Q_OBJECT
 public:
  // Texts without a control the addresses read raise UnknownName here.
  EnvelopeScreen(EnvelopeFrom from, FormTexts texts, QWidget* parent = nullptr);

  static FormControls reads(EnvelopeFrom from) { return EnvelopeAddresses::controls(from); }

  const EnvelopeSize& chosenSize() const;

  // The envelope as "Stampa" would print it now. Throws OffsetConversionError
  // when an offset is not a number.
  Page preparedPage() const;

 private:
  void buildControls();
  void chooseSize(const EnvelopeSize& size);
  void sizeChosen(const EnvelopeSize& size);
  void showStoredOffsets();
  WindowSide windowSide() const;
  void chooseSenderCard();
  void showSenderCard();
  // The chosen sender card's address; none when no card is chosen or the
  // card is no longer there. Throws ArchiveError.
  QStringList senderCardLines() const;
  // The page when there is one to print; otherwise the user has been told why.
  std::optional<Page> pageToPrint();
  void preview();
  void print();

  EnvelopeFrom from_;
  const FormTexts texts_;
  QList<QRadioButton*> sizeChoices_;  // in the order of EnvelopeLayout::sizes()
  QCheckBox* sender_ = nullptr;
  OffsetControls* offsets_ = nullptr;
  QPushButton* print_ = nullptr;
  QRadioButton* windowRight_ = nullptr;
  QRadioButton* windowLeft_ = nullptr;
  QLabel* senderCardLabel_ = nullptr;  // address book only
  int senderCard_ = 0;                 // 1-based, 0 for none
};

}  // namespace velinda
