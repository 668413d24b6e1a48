#pragma once

class SchemeSession;

// The external-acknowledge switch "Вн. квит.": dedicates the last channel of the
// configuration to an external acknowledge input, recorded in bit 5 of the
// device byte.
class ExternalAck {
public:
    explicit ExternalAck(SchemeSession& session) : session_(session) {}

    // The button was clicked into position `down`. When the execution code
    // fails its check the button goes back to what the device byte says.
    void toggleExternalAck(bool down);
    // Switching on clears the acknowledge channel's record, row and block
    // inputs; both directions exclude the channel from processing.
    void SetExternalAck(bool on);

private:
    void clearAckRow(int row);
    // The row's contact toggle up and disabled.
    void releaseContact(int row);
    void clearBlockInputsReadingAck();
    void excludeAckChannel();

    SchemeSession& session_;
};
