#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PPC_Material;
}

// The conference material page: a title, the upload button and the list of
// material. Its owner fills nothing in it yet.
class PPC_Material : public QWidget
{
    Q_OBJECT

public:
    explicit PPC_Material(QWidget* parent = nullptr);
    ~PPC_Material() override;

    // Material is uploaded by the host.
    void setHost(bool host);

signals:
    void sig_closePopupWgt();

private:
    std::unique_ptr<Ui::PPC_Material> ui;
};
