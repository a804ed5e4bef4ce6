#include "dialog/MinimizedIcon.h"

IconOrigin CentredIconOrigin(ClientSize client, int icon) {
    return IconOrigin{(client.width - icon + 1) / 2, (client.height - icon + 1) / 2};
}
