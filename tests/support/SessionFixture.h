#pragma once

#include "editor/SchemeSession.h"
#include "support/FakeMessages.h"
#include "support/RecordingWindow.h"

// A scheme session as the main window holds one, on recording fakes; the
// references name its parts as the tests use them.
template <class Window = RecordingWindow> struct SessionFixture {
    FakeMessages messages;
    Window window;
    SchemeSession session{messages, window};
    ConfigurationModel& model = session.model;
    SchemeView& view = session.view;
    SchemeCreation& creation = session.creation;
};
