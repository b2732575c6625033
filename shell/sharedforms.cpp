#include "sharedforms.h"

#include "gameregistry.h"
#include "optionsdialog.h"
#include "statsdialog.h"

TSharedForms::TSharedForms() {
    if (SelectHandFormCreator)
        selectHand_ = SelectHandFormCreator();
    stats_ = std::make_unique<TStatsDialogForm>();
    StatsDialogForm = stats_.get();
    options_ = std::make_unique<TOptionsDialogForm>();
    OptionsDialogForm = options_.get();
}

TSharedForms::~TSharedForms() {
    OptionsDialogForm = nullptr;
    StatsDialogForm = nullptr;
}
