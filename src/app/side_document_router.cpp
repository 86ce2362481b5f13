#include "side_document_router.h"

#include "run_state.h"
#include "side_document.h"
#include "view_ids.h"

#include <QPushButton>

SideDocumentRouter::SideDocumentRouter(const RunState &state,
                                       const ViewPanels::SideButtons &buttons, QObject *parent)
    : QObject(parent), state_(state) {
    const std::pair<QPushButton *, void (SideDocument::*)()> commands[] = {
        {buttons.save, &SideDocument::save},
        {buttons.open, &SideDocument::open},
        {buttons.clear, &SideDocument::clear},
        {buttons.print, &SideDocument::print},
        {buttons.configure, &SideDocument::configure}};
    for (const auto &[button, action] : commands) {
        connect(button, &QPushButton::clicked, this, [this, action = action] {
            if (SideDocument *document = current())
                (document->*action)();
        });
    }
}

SideDocument *SideDocumentRouter::current() const {
    return state_.ViewTimerMode == ViewTimerMode::Graph ? graph_ : report_;
}
