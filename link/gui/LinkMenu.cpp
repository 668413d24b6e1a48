#include "link/gui/LinkMenu.h"

#include "link/LinkTexts.h"
#include "link/PortSettings.h"
#include "link/serial/QtSerialLine.h"
#include "link/gui/TFormNastr.h"
#include "link/gui/TFormPort.h"

#include <QAction>
#include <QMenu>

using namespace link_text;

namespace {

// The command that runs the two dialogs; all three live as long as the window.
class LinkSettingsUi : public QObject {
public:
    LinkSettingsUi(QWidget* window, TComPortClass& link)
        : QObject(window),
          command(link, *new TFormPort(window), *new TFormNastr(window), SystemPortList) {}

    PortSettingsCommand command;
};

} // namespace

void addLinkMenu(QMenu* portMenu, QWidget* window, TComPortClass& link,
                 std::function<int()> linkAddressIndex) {
    auto* ui = new LinkSettingsUi(window, link);
    QAction* action =
        portMenu->addAction(QString::fromUtf8(kActionPortSettings), ui,
                            [ui, linkAddressIndex] { ui->command.PortClick(linkAddressIndex()); });
    action->setObjectName("APort");
    action->setToolTip(QString::fromUtf8(kActionPortSettings));
}
