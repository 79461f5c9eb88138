#pragma once
// The file viewer: the raw text of the data file, for a look before reading it.

#include <QWidget>

class QPlainTextEdit;

namespace quarvex {

class FrmViewFile : public QWidget {
    Q_OBJECT
public:
    FrmViewFile(const QString& path, const QString& text, QWidget* parent = nullptr);

    QString Text() const;

private:
    QPlainTextEdit* text1_ = nullptr;
};

} // namespace quarvex
