#include "ui/shell/FrmViewFile.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quarvex {

FrmViewFile::FrmViewFile(const QString& path, const QString& text, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmViewFile"));
    setWindowFlag(Qt::Window);
    setWindowTitle(path);
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Columns of numbers line up only in a fixed-pitch font.
    text1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text1_->setPlainText(text);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text1_);
    resize(760, 560);
}

QString FrmViewFile::Text() const
{
    return text1_->toPlainText();
}

} // namespace quarvex
