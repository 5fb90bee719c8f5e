#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// What the large preview shows while a picture is read for a derived scheme:
// the picture's name, a busy sign and a way to stop.
class ReadingBar : public QWidget
{
    Q_OBJECT
public:
    explicit ReadingBar(QWidget *parent = nullptr);

    void showReading(const QString &fileName);

signals:
    void cancelled();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The text cut short in the middle to the room it has (a long file name
    // never widens the window), and whole in its tooltip.
    void showText();

    QString m_fileName;
    QLabel *m_text;
    QPushButton *m_cancel;
};
