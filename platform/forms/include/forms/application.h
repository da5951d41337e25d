// The program's application object.
#ifndef PELLORY_FORMS_APPLICATION_H
#define PELLORY_FORMS_APPLICATION_H

#include <QApplication>

namespace forms {

// A QApplication that gives the program its title, has Qt's own texts in
// Russian (when the system has Qt's translations), and turns an exception
// escaping any event handler into the uncaught-error report (message box,
// then the program ends with a non-zero status). Create exactly one, first.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv, const QString &title);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace forms

#endif
