#include "side_document_router.h"

#include "run_state.h"
#include "side_document.h"
#include "view_ids.h"

#include <QPushButton>
#include <QWidget>

SideDocumentRouter::SideDocumentRouter(const RunState &state, QWidget *sidePanel, QObject *parent)
    : QObject(parent), state_(state) {
    const std::pair<const char *, void (SideDocument::*)()> buttons[] = {
        {"BitBtn1", &SideDocument::save},
        {"BitBtn2", &SideDocument::open},
        {"BitBtn3", &SideDocument::clear},
        {"BitBtn4", &SideDocument::print},
        {"BitBtn5", &SideDocument::configure}};
    for (const auto &[name, action] : buttons) {
        auto *button = sidePanel->findChild<QPushButton *>(name);
        connect(button, &QPushButton::clicked, this, [this, action = action] {
            if (SideDocument *document = current())
                (document->*action)();
        });
    }
}

SideDocument *SideDocumentRouter::current() const {
    return state_.ViewTimerMode == ViewTimerMode::Graph ? graph_ : report_;
}
