// The form of each model: its controls, captions, fixed lists and the start
// of a new document.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ChoiceList.h"
#include "EditorHarness.h"
#include "EditorTests.h"
#include "SpinButton.h"

using namespace rk;
using rk::test::EditorHarness;

namespace {
const QList<int> kAllIds{1000, 1001, 1002, 1007, 1012, 1013, 1015, 1017, 1018, 1019, 1020, 1022, 1029, 1030,
                         1035, 1036, 1041, 1042, 1043, 1050, 1053, 1054, 1059, 1067, 1068, 1069, 1071, 1072};

QStringList Captions(const QWidget* form) {
    QStringList texts;
    for (const auto* label : form->findChildren<QLabel*>()) texts << label->text();
    for (const auto* group : form->findChildren<QGroupBox*>()) texts << group->title();
    for (const auto* button : form->findChildren<QPushButton*>()) texts << button->text();
    return texts;
}
}  // namespace

void FormLayoutTest::controls_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<int>>("absent");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("rk520") << "rk520" << QList<int>{}
                           << QStringList{"整机设置", "频  段", "到", "MHz", "TOT限时", "分", "扫描设置", "取消", "A组",
                                          "B组", "已设置频道", "频道选择", "功能设置", "密话", "倒频", "脱网",
                                          "中继及延时", "秒", "禁发", "拍频偏移", "接收", "频    率", "静噪等级", "级",
                                          "编码类型", "(QT/DQT)", "编码表", "复制到==>", "复制到<==", "发射",
                                          "频   率", "功率选择"};
    QTest::newRow("rk7400") << "rk7400" << QList<int>{1018, 1000, 1022, 1072}
                            << QStringList{"Опции сканирования", "Отмена", "Группа А", "Группа Б", "Каналы",
                                           "Номер канала", "Диапазон частот", "От", "до", "МГц", "Функции",
                                           "В секрете", "Сдвиг", "Транк", "Задержка транка", "Секунд",
                                           "Опции приема", "Rx-частота", "Шумодав", "Уровень", "Тип кода",
                                           "(QT/DQT)", "Коды", "Копия==>", "Копия<==", "Опции передачи",
                                           "Tx-частота", "Мощность"};
}

void FormLayoutTest::controls() {
    QFETCH(QString, model);
    QFETCH(QList<int>, absent);
    QFETCH(QStringList, captions);
    EditorHarness h(model);

    for (int id : kAllIds) {
        QWidget* control = h.view->Control(id);
        if (absent.contains(id)) {
            QVERIFY2(!control, qPrintable(QString::number(id)));
            continue;
        }
        QVERIFY2(control, qPrintable(QString::number(id)));
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(QString::number(id)));
        QVERIFY2(control->isVisible(), qPrintable(QString::number(id)));
    }
    QCOMPARE(h.view->Control(1035)->accessibleName(), model == "rk520" ? QString("频道选择") : QString("Номер канала"));
    QVERIFY(h.Edit(1050)->isReadOnly());
    QVERIFY(h.Edit(1019)->isReadOnly());

    const QStringList shown = Captions(h.view.get());
    for (const QString& caption : captions) QVERIFY2(shown.contains(caption), qPrintable(caption));
    QCOMPARE(h.view->font().pointSize(), 9);
}

void FormLayoutTest::fixedLists_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("none");
    QTest::addColumn<QStringList>("power");
    QTest::addColumn<QStringList>("noYes");
    QTest::addColumn<QList<int>>("optionLists");
    QTest::newRow("rk520") << "rk520" << "无" << QStringList{"大功率", "小功率"} << QStringList{"无", "有"}
                           << QList<int>{1068, 1069, 1022, 1072, 1071, 1000};
    QTest::newRow("rk7400") << "rk7400" << "НЕТ" << QStringList{"HIGH", "LOW"} << QStringList{"НЕТ", "ДА"}
                            << QList<int>{1068, 1069, 1071};
}

void FormLayoutTest::fixedLists() {
    QFETCH(QString, model);
    QFETCH(QString, none);
    QFETCH(QStringList, power);
    QFETCH(QStringList, noYes);
    QFETCH(QList<int>, optionLists);
    EditorHarness h(model);

    // Run the initialization a few more times: the lists are refilled, not appended.
    h.NewDocument();
    h.NewDocument();

    const QStringList selector = h.Entries(1035);
    QCOMPARE(selector.size(), 64);
    QCOMPARE(selector.first(), rk::test::NameOf(model, 0));
    QCOMPARE(selector.at(9), rk::test::NameOf(model, 9));
    QCOMPARE(selector.last(), rk::test::NameOf(model, 63));
    QCOMPARE(h.Selected(1035), 0);

    for (int id : {1029, 1030}) {
        QCOMPARE(h.Entries(id), (QStringList{"QT", "DQT", none}));
        QCOMPARE(h.Selected(id), 2);
    }
    QCOMPARE(h.Entries(1067), power);
    QCOMPARE(h.Selected(1067), 0);
    for (int id : optionLists) {
        QCOMPARE(h.Entries(id), noYes);
        QCOMPARE(h.Selected(id), 0);
    }
    for (int id : {1002, 1012, 1013, 1053, 1054}) QCOMPARE(h.Entries(id), QStringList{});
    QCOMPARE(h.Spin()->Position(), 3);
    QCOMPARE(h.Text(1019), QString("3"));
}

void FormLayoutTest::newDocumentShowsChannel0_data() {
    QTest::addColumn<QString>("model");
    QTest::newRow("rk520") << "rk520";
    QTest::newRow("rk7400") << "rk7400";
}

void FormLayoutTest::newDocumentShowsChannel0() {
    QFETCH(QString, model);
    EditorHarness h(model);
    const RadioImage before = h.document.Image();

    QCOMPARE(h.view->EditChannel(), 0);
    QCOMPARE(h.document.CurrentChannel(), 0);
    QCOMPARE(h.view->ValidListPos(), -1);
    for (int id : {1020, 1007, 1017, 1036, 1050}) QCOMPARE(h.Text(id), QString("0"));
    if (model == "rk520") QCOMPARE(h.Text(1018), QString("5"));
    QCOMPARE(h.Text(1019), QString("3"));
    QCOMPARE(h.Selected(1029), 2);
    QCOMPARE(h.Selected(1030), 2);
    QCOMPARE(h.List(1012)->count(), 0);
    QCOMPARE(h.List(1013)->count(), 0);
    QCOMPARE(h.document.Image(), before);
    QVERIFY(!h.document.IsModified());
}

void FormLayoutTest::numberRequired_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("warning");
    QTest::newRow("rk520") << "rk520" << "请输入一个数字。";
    QTest::newRow("rk7400") << "rk7400" << "Введите число.";
}

void FormLayoutTest::numberRequired() {
    QFETCH(QString, model);
    QFETCH(QString, warning);
    EditorHarness h(model);
    h.Type(1017, "2.5");
    QVERIFY(h.prompts.messages.isEmpty());

    // Emptying the field warns and leaves the member (and the stored byte) as it was.
    h.Clear(1017);
    QCOMPARE(h.prompts.messages, QStringList{warning});
    QCOMPARE(h.document.Image().Channel(0).repeaterDelay(), 25);
    QCOMPARE(h.view->focusWidget(), h.Edit(1017));

    // Letters after a number are refused as a whole; the field's text is selected.
    h.prompts.messages.clear();
    h.Type(1017, "3x");
    QCOMPARE(h.prompts.messages.size(), 1);
    QCOMPARE(h.document.Image().Channel(0).repeaterDelay(), 30);
    QCOMPARE(h.Edit(1017)->selectedText(), QString("3x"));

    // Blanks around a number are fine.
    h.prompts.messages.clear();
    h.Paste(1017, " 1.5 ");
    QVERIFY(h.prompts.messages.isEmpty());
    QCOMPARE(h.document.Image().Channel(0).repeaterDelay(), 15);
}

void FormLayoutTest::badFieldStopsLaterFields() {
    // rk520 reads delay before receive frequency: a bad delay keeps the
    // receive member at its old value and warns on every keystroke elsewhere.
    EditorHarness h("rk520");
    h.Type(1020, "145");
    h.Paste(1017, "abc");
    h.prompts.messages.clear();
    h.Type(1020, "150");
    QCOMPARE(h.prompts.messages.size(), 3);
    QCOMPARE(h.document.Image().Channel(0).rxFreq(), 14'500'000u);
    QCOMPARE(h.view->focusWidget(), h.Edit(1017));
}
