#pragma once

#include <QPushButton>

class QLabel;

// One card of the share chooser: a thumbnail and a name, checkable, lit while
// hovered or checked.
class PPC_ShareScreenChild : public QPushButton
{
    Q_OBJECT

public:
    explicit PPC_ShareScreenChild(QWidget* parent = nullptr);

    // Elided at the right to the name label's width.
    void setName(const QString& name);
    QString name() const { return m_name; }
    void setThumbnail(const QPixmap& picture);
    void setId(qint64 id) { m_id = id; }
    qint64 id() const { return m_id; }
    void setType(int type) { m_type = type; }
    int type() const { return m_type; }
    void setHighlighted(bool on);
    bool isHighlighted() const { return m_highlighted; }

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QWidget* m_bg;
    QLabel* m_picture;
    QLabel* m_nameLabel;
    QString m_name;
    qint64 m_id = -2;
    int m_type = -1;
    bool m_highlighted = false;
};
