#pragma once
// A bar on fakes: the recording contact client, a recording word processor, a fake window system
// and the bar's settings over a store in memory. Message boxes are recorded instead of shown.
// BasicBar takes another window system: window/realbar.h has the bar on a real X display.

#include "app/frmmain.h"
#include "desktop/messagebox.h"
#include "fakes/fakewindowsystem.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordingclient.h"
#include "fakes/recordingwordprocessor.h"
#include "findui.h"
#include "settings/modsettings.h"
#include "window/windowmodes.h"

// The control types, so tests can find frmMain's controls by name.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <memory>

template <class WindowSystemType> struct BasicBar {
    fake::RecordingClient client;
    WindowSystemType windowSystem;
    fake::MemorySettingsStore store;
    modSettings settings{store};
    std::shared_ptr<fake::RecordingWordProcessor> word = std::make_shared<fake::RecordingWordProcessor>();
    std::unique_ptr<frmMain> form;
    // Where the bar's slow work runs; empty: at once (set before create()).
    ContactSession::Background background;
    // Last changes to the platform before the bar is made (set before create()).
    std::function<void(Platform&)> adjustPlatform;

    BasicBar() { MessageBox::setTestMode(true); }
    ~BasicBar() { form.reset(); }

    // Creates the bar without running its start-up.
    frmMain& create()
    {
        Platform p;
        p.createContactClient = [this](contactclient::DesktopHooks&) { return client.application(); };
        p.createWordProcessor = [this] {
            client.record(QStringLiteral("create word processor"));
            return std::static_pointer_cast<wordprocessor::Application>(word);
        };
        p.windowSystem = &windowSystem;
        p.background = background;
        if (adjustPlatform)
            adjustPlatform(p);
        form = std::make_unique<frmMain>(p, settings);
        return *form;
    }

    // Makes the contact with this entry identifier the chosen one, as the entry box would.
    void choose(const QString& entryId) { form->session()->chooseEntry(entryId); }

    // Creates the bar and runs its start-up.
    frmMain& load()
    {
        create();
        form->Form_Load();
        return *form;
    }
};

using BarFixture = BasicBar<fake::FakeWindowSystem>;
