#include "gui/windows.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWindow>

#include "gui/window_places.h"

namespace tavo::gui {
namespace {

template <typename View>
void follow(View& view, bool visible) {
    if (!visible) {
        view.hide();
        return;
    }
    view.refresh();
    if (!view.isVisible()) {
        view.show();
        view.raise();
        view.activateWindow();
    }
}

}  // namespace

Windows::Windows(Program& program, std::function<void(QWidget*)> dialogParent)
    : program_(program),
      introdView_(program.introd()),
      incarcView_(program.incarc()),
      formIbanView_(program.formIban(), &incarcView_),
      formNrevidView_(program.formNrevid(), &incarcView_),
      form2View_(program.form2(), &incarcView_),
      dialogParent_(std::move(dialogParent)) {
    // Windows of their own, that stay above the entry window.
    for (QWidget* view :
         std::initializer_list<QWidget*>{&formIbanView_, &formNrevidView_, &form2View_})
        view->setWindowFlag(Qt::Window);
    // Each opens where the user expects it and comes back where it was.
    keepWindowPlace(introdView_, QStringLiteral("windows/introd"), WindowRole::Main);
    keepWindowPlace(incarcView_, QStringLiteral("windows/incarc"), WindowRole::OverOwner,
                    &introdView_);
    keepWindowPlace(formIbanView_, QStringLiteral("windows/form_iban"), WindowRole::BesideOwner,
                    &incarcView_);
    keepWindowPlace(formNrevidView_, QStringLiteral("windows/form_nrevid"), WindowRole::BesideOwner,
                    &incarcView_);
    keepWindowPlace(form2View_, QStringLiteral("windows/form2"), WindowRole::BesideOwner,
                    &incarcView_);
    introdView_.windowsChanged = [this] { update(); };
    incarcView_.windowsChanged = [this] { update(); };
    formIbanView_.windowsChanged = [this] { update(); };
    formNrevidView_.windowsChanged = [this] { update(); };
    form2View_.windowsChanged = [this] { update(); };
    if (dialogParent_)
        dialogParent_(&introdView_);
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &introdView_,
                     [this](QWindow* active) {
                         // A message box taking the focus leaves the parent as it is.
                         QWidget* view = viewOf(active);
                         if (!view)
                             return;
                         lastActive_ = view;
                         if (dialogParent_)
                             dialogParent_(view);
                     });
}

void Windows::update() {
    const bool entry = program_.incarc().visible;
    // The window that comes to the front is shown before the other one hides,
    // so that the desktop never has none of them.
    if (entry) {
        follow(incarcView_, true);
        follow(introdView_, program_.introd().visible);
    } else {
        follow(introdView_, program_.introd().visible);
        follow(incarcView_, false);
    }
    follow(formIbanView_, program_.formIban().visible);
    follow(formNrevidView_, program_.formNrevid().visible);
    follow(form2View_, program_.form2().visible);
    if (entry)
        incarcView_.showFocus();
    if (dialogParent_) {
        QWidget* front = viewOf(QGuiApplication::focusWindow());
        if (!front)
            front = entry ? static_cast<QWidget*>(&incarcView_) : &introdView_;
        dialogParent_(front);
    }
}

void Windows::bringToFront() {
    QWidget* front = frontView();
    if (!front)
        front = incarcView_.isVisible() ? static_cast<QWidget*>(&incarcView_) : &introdView_;
    for (QWidget* window : {front, QApplication::activeModalWidget()}) {
        if (!window)
            continue;
        // Minimised, it comes back as it was before (maximised stays maximised).
        if (window->isMinimized())
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
    }
}

QWidget* Windows::frontView() {
    if (QWidget* active = viewOf(QGuiApplication::focusWindow()))
        return active;
    return lastActive_ && lastActive_->isVisible() ? lastActive_ : nullptr;
}

QWidget* Windows::viewOf(QWindow* active) {
    for (QWidget* view : std::initializer_list<QWidget*>{&formIbanView_, &formNrevidView_,
                                                         &form2View_, &incarcView_, &introdView_}) {
        if (active && view->isVisible() && view->windowHandle() == active)
            return view;
    }
    return nullptr;
}

}  // namespace tavo::gui
