#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Quarvex!, The Financial Calculator");
    auto* label = new QLabel("The calculators are on their way.", &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(480, 240);
    window.show();
    return QApplication::exec();
}
