#pragma once

#include "fontsubstitutes.h"
#include "tmainform.h"
#include "tmemo.h"

#include <QTest>

#include <memory>

// The main window as the program opens it: with its fonts mapped, shown at its
// real size and active. Null if the platform never showed or activated it.
inline std::unique_ptr<TMainForm> ShowMainForm()
{
    [[maybe_unused]] static const bool fontsMapped = (InstallFontSubstitutes(), true);

    auto form = std::make_unique<TMainForm>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        return nullptr;
    return form;
}
