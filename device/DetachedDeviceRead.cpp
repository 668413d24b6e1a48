#include "device/DetachedDeviceRead.h"

#include "device/DeviceConfiguration.h"

namespace {

class DetachedField : public EntryField {
public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    void setErrorColour(bool) override {}

private:
    std::string text_;
};

// Where the read's window calls land: nowhere on screen.
class DetachedWindow : public SchemeWindow {
public:
    EntryField& firstCodeField() override { return first_; }
    EntryField& secondCodeField() override { return second_; }
    void showExecCode(int, int) override {}
    void selectLinkAddress(int) override {}
    void selectDeviceNumber(int) override {}
    void setCaption(const std::string&) override {}
    void setTimeDateEnabled(bool) override {}
    bool externalAckDown() const override { return false; }
    void syncScheme() override {}
    void scrollSchemeToTop() override {}
    void scrollSchemeTo(int) override {}
    void focusScheme() override {}
    void focusFirstControl() override {}
    void requestExit() override {}

private:
    DetachedField first_;
    DetachedField second_;
};

} // namespace

std::optional<SchemeSnapshot> DetachedDeviceRead::read(int addressIndex) {
    DetachedWindow window;
    SchemeSession session(messages_, window);
    session.model.LinkAddressIndex = addressIndex;
    if (!DeviceConfiguration(session, link_).readDevice())
        return std::nullopt;
    // The image as it came, not as the editor would pack it again: a value the
    // editor never writes is a difference too.
    SchemeSnapshot device;
    device.first = session.model.ExecFirst;
    device.second = session.model.ExecSecond;
    device.image = session.model.ImageBuffer;
    return device;
}
