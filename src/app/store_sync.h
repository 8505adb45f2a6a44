// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Syncs the store after every event, except while the console starts: the
// start's writes are synced by open() once the window is on its way to the
// screen, so the disk's flush (tens of ms on a busy disk) does not hold the
// window back. Talks to the QSettings store only.

#include "platform/qsettings/qsettings_store.h"

namespace volna {

class StoreSync {
public:
    explicit StoreSync(QSettingsStore& store) : store_(store) {}

    void afterEvent() {
        if (open_) {
            store_.syncChanges();
        }
    }
    void open() {
        open_ = true;
        store_.sync();
    }

private:
    QSettingsStore& store_;
    bool open_ = false;
};

} // namespace volna
