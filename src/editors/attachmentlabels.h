#pragma once

class QWidget;

namespace velinda {

// The six hidden labels that carry a card's attachments between the archive
// and the attachments screen: lblFile01-03 and lblDesc01-03.
namespace AttachmentLabels {
void create(QWidget* parent);
}

}  // namespace velinda
