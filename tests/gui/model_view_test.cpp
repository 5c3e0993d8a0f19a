// Every control of a window's model reaches a widget of its view by name: a
// control the view neither binds nor shows in a way of its own is a fault.
#include <QPushButton>
#include <QtTest>

#include "gui_fixture.h"

using namespace tavo;
using namespace tavo::testing;

namespace {

// A window whose table holds the controls "A" and "B".
class ProbeView : public gui::ModelView {
  public:
    struct Layout {
        QStringList widgets;      // the view's own widgets, by name
        QStringList otherWindow;  // widgets of a window the view opens
        QString shownOtherwise;   // a control the view shows without a widget
    };

    explicit ProbeView(const Layout& layout) : ModelView(table(), nullptr) {
        for (const QString& name : layout.widgets)
            (new QPushButton(name, this))->setObjectName(name);
        auto* opened = new QWidget(this, Qt::Window);
        for (const QString& name : layout.otherWindow)
            (new QPushButton(name, opened))->setObjectName(name);
        connectControls(
            [&layout](const QString& control) { return control == layout.shownOtherwise; });
    }
    void refresh() override {}

  private:
    static ui::ControlTable table() {
        ui::ControlTable table;
        table.window = QStringLiteral("Probe");
        table.controls = {ui::button(QStringLiteral("A"), [] {}), ui::label(QStringLiteral("B"))};
        return table;
    }
};

}  // namespace

class ModelViewTest : public QObject {
    Q_OBJECT

  private slots:
    void unboundControlsAreReported() {
        const struct {
            const char* name;
            ProbeView::Layout layout;
            QStringList unbound;
        } rows[] = {
            {"a widget for each", {{"A", "B"}, {}, {}}, {}},
            {"a control without a widget", {{"A"}, {}, {}}, {"B"}},
            {"none at all", {{}, {}, {}}, {"A", "B"}},
            {"the widget is another window's", {{"A"}, {"B"}, {}}, {"B"}},
            {"shown without a widget", {{"A"}, {}, "B"}, {}},
        };
        for (const auto& row : rows) {
            for (const QString& control : row.unbound) {
                QTest::ignoreMessage(
                    QtWarningMsg,
                    qPrintable(
                        QStringLiteral("Probe: no widget for the control '%1'").arg(control)));
            }
            const ProbeView view(row.layout);
            QVERIFY2(view.unboundControls() == row.unbound, row.name);
        }
    }

    // The program's windows, each with every control of its model bound.
    void everyWindowBindsItsControls() {
        WorkingFolder desk;
        gui::Windows& windows = desk.windows;
        const std::pair<const char*, const gui::ModelView*> views[] = {
            {"Introd", &windows.introdView()},      {"Incarc", &windows.incarcView()},
            {"Form_IBAN", &windows.formIbanView()}, {"Form_NREVID", &windows.formNrevidView()},
            {"Form2", &windows.form2View()},
        };
        for (const auto& [name, view] : views) {
            QVERIFY2(view->unboundControls().isEmpty(),
                     qPrintable(QLatin1String(name) + QLatin1String(": ") +
                                view->unboundControls().join(QLatin1String(", "))));
        }
    }
};

QTEST_MAIN(ModelViewTest)
#include "model_view_test.moc"
