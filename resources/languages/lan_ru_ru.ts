<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Orvanta %1, release on %2</source>
        <translation>Orvanta %1, выпуск от %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>English translation by the Orvanta team.</source>
        <translation>Перевод на русский: команда Orvanta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Copyright © 2021 Tavrin Optics. Free software under the &lt;a href=&quot;licence&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later).</source>
        <translation>Copyright © 2021 Tavrin Optics. Свободная программа под &lt;a href=&quot;licence&quot;&gt;GNU General Public License версии 3 или более поздней&lt;/a&gt; (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Лицензия</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Астрономическая рефракция</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation>P(kPa)</translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation>P(hPa)</translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation>T(℃)</translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation>Включить поправку за рефракцию</translation>
    </message>
    <message>
        <source>Use the yearly star table instead of the sky of now</source>
        <translation>Использовать годовую таблицу звёзд вместо текущего неба</translation>
    </message>
    <message>
        <source>Latitude and longitude are your observing site (longitude east positive, west negative). With the clock they give the stars&apos; places of now, where the zenith is for the altitude and azimuth figures, and how much the air lifts the stars.</source>
        <translation>Широта и долгота — место наблюдения (восточная долгота положительна, западная отрицательна). Вместе с часами они дают текущие положения звёзд, направление на зенит для значений высоты и азимута и величину подъёма звёзд атмосферой.</translation>
    </message>
</context>
<context>
    <name>CameraServerDialog</name>
    <message>
        <source>Camera Server</source>
        <translation>Сервер камеры</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Сервер INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Lens focal length</source>
        <translation>Фокусное расстояние объектива</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> мм</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>не задано</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>the first one found</source>
        <translation>первая найденная</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>The computer running indiserver with the camera&apos;s driver; leave empty to use only the simulated camera.</source>
        <translation>Компьютер, на котором работает indiserver с драйвером камеры; оставьте пустым, чтобы использовать только симулированную камеру.</translation>
    </message>
    <message>
        <source>Camera Server...</source>
        <translation>Сервер камеры...</translation>
    </message>
    <message>
        <source>The focal length of the camera&apos;s lens is not set, so the stars cannot be brought to the scale of the star template. Set it under Device, Camera Server, then connect again.</source>
        <translation>Фокусное расстояние объектива камеры не задано, поэтому звёзды нельзя привести к масштабу звёздного шаблона. Задайте его в меню Устройство, Сервер камеры, затем подключитесь снова.</translation>
    </message>
    <message>
        <source>With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.</source>
        <translation>С объективом %1 мм эта камера видит только %2 x %3 градусов неба; полярной звезде и её опорной звезде нужно не менее %4 градусов по короткой стороне. Используйте объектив %5 мм или короче.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Запрос к %1...</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers, but has no camera. Start indiserver with the camera&apos;s driver.</source>
        <translation>Сервер INDI на %1 отвечает, но камер на нём нет. Запустите indiserver с драйвером камеры.</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers. Cameras: %2.</source>
        <translation>Сервер INDI на %1 отвечает. Камеры: %2.</translation>
    </message>
    <message>
        <source>No INDI server answers at %1. Start indiserver there, or check the server and port.</source>
        <translation>На %1 не отвечает ни один сервер INDI. Запустите там indiserver или проверьте сервер и порт.</translation>
    </message>
    <message>
        <source>No server set: only the simulated camera is used.</source>
        <translation>Сервер не задан: используется только симулированная камера.</translation>
    </message>
    <message>
        <source>This camera library cannot use INDI cameras: only the simulated camera is used.</source>
        <translation>Эта библиотека камеры не поддерживает камеры INDI: используется только симулированная камера.</translation>
    </message>
    <message>
        <source>Set the lens&apos;s focal length before you connect.</source>
        <translation>Задайте фокусное расстояние объектива перед подключением.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Region Selection</source>
        <translation>Полушарие</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>Orvanta Settings</source>
        <translation>Настройки Orvanta</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Выд.(мс)</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Усиление</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Трафик</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>Выбор Полярной/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Совмещение шаблона</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Rough Pole</source>
        <translation>Полюс (грубо)</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Центр оси</translation>
    </message>
    <message>
        <source>Choose the same star every time</source>
        <translation>Выбирайте одну и ту же звезду</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Звезда, поз. 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Звезда, поз. 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Звезда, поз. 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Ось:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Сейчас: Полярная/σ Oct</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Цель: Полярная/σ Oct</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Полюс (точно)</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Полюс:</translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation>roiBigger_image</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Контроль полюса</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Опорная звезда A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Положение:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Опорная звезда B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Контроль</translation>
    </message>
    <message>
        <source>template_image</source>
        <translation>template_image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Показать шаблон</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Монохромный стиль</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Растяжка</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Астрономическая рефракция</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Ручное слежение</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Против зависания</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>русский</source>
        <translation>русский</translation>
    </message>
    <message>
        <source>français</source>
        <translation>français</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>português</source>
        <translation>português</translation>
    </message>
    <message>
        <source>italiano</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Orvanta Manual</source>
        <translation>Руководство Orvanta</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Can not save the image to %1!</source>
        <translation>Не удалось сохранить изображение в %1!</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>No TAVRIN Orvanta camera found.</source>
        <translation>Устройство TAVRIN Orvanta не найдено!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: OpenTAVRIN failed.</source>
        <translation>Не удалось подключить Orvanta: ошибка OpenTAVRIN!</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: InitTAVRIN failed.</source>
        <translation>Не удалось подключить Orvanta: ошибка InitTAVRIN!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Orvanta - ID:%1</source>
        <translation>Orvanta - ID:%1</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Похоже, в этой точке нет звезды, попробуйте другую точку.</translation>
    </message>
    <message>
        <source>Cannot find the axis center. Please click &apos;Reset&apos; to find it again.</source>
        <translation>Не удалось найти центр оси, нажмите «Сброс», чтобы найти его заново.</translation>
    </message>
    <message>
        <source>reference stars lost</source>
        <translation>опорные звёзды потеряны</translation>
    </message>
    <message>
        <source>Measuring the star...</source>
        <translation>Измерение звезды...</translation>
    </message>
    <message>
        <source>This is where the star was at the last pick. Turn the RA axis by at least about 20 degrees between picks, then double click the star again.</source>
        <translation>Здесь звезда была при прошлом выборе. Поверните ось прямого восхождения хотя бы примерно на 20 градусов между выборами, затем снова дважды щёлкните по звезде.</translation>
    </message>
    <message>
        <source>The picks are too close together to find the axis centre. Click &apos;Reset&apos; and turn the RA axis by at least about 20 degrees between picks.</source>
        <translation>Выбранные положения слишком близки, чтобы найти центр оси. Нажмите «Сброс» и поворачивайте ось прямого восхождения хотя бы примерно на 20 градусов между выборами.</translation>
    </message>
    <message>
        <source>These picks do not lie on a circle around the RA axis. Click &apos;Reset&apos; and double click the same star each time.</source>
        <translation>Эти положения не лежат на окружности вокруг оси прямого восхождения. Нажмите «Сброс» и каждый раз дважды щёлкайте по одной и той же звезде.</translation>
    </message>
    <message>
        <source>The picks span %1 degrees of RA; the centre is good to %2 px (%3&quot;).</source>
        <translation>Выбранные положения охватывают %1 градусов по прямому восхождению; центр определён с точностью %2 пикс. (%3&quot;).</translation>
    </message>
    <message>
        <source>That is too uncertain: click &apos;Reset&apos; and turn the RA axis further between picks.</source>
        <translation>Это слишком неточно: нажмите «Сброс» и поворачивайте ось прямого восхождения между выборами сильнее.</translation>
    </message>
    <message>
        <source>A reference star would stand too near the edge of the image to be followed: the axis centre is too near the edge. Turn the camera on the mount so that the axis centre lies nearer the middle of the image, then find it again.</source>
        <translation>Опорная звезда оказалась бы слишком близко к краю изображения, чтобы её отслеживать: центр оси слишком близко к краю. Поверните камеру на монтировке так, чтобы центр оси был ближе к середине изображения, и найдите его снова.</translation>
    </message>
    <message>
        <source>Recorded: %1 on %2.</source>
        <translation>Сохранено: %1, %2.</translation>
    </message>
    <message>
        <source>Recorded: %1.</source>
        <translation>Сохранено: %1.</translation>
    </message>
    <message>
        <source>The reference stars were not found where the template puts them. Double click the pole star and match the template again.</source>
        <translation>Опорные звёзды не найдены там, где их помещает шаблон. Дважды щёлкните по полярной звезде и снова совместите шаблон.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Would you like to use the axis center saved the last time you used Orvanta?</source>
        <translation>Использовать положение центра оси, сохранённое при прошлой работе с Orvanta?</translation>
    </message>
    <message>
        <source>Is the setup finished?</source>
        <translation>Настройка завершена?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Does the template match?</source>
        <translation>Шаблон совпал?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Rotate your mount&apos;s RA axis in the direction of the arrow at the top of the image, by at least 30 degrees.</source>
        <translation>Поверните ось прямого восхождения (RA) монтировки в направлении стрелки вверху экрана (не менее чем на 30 градусов).</translation>
    </message>
    <message>
        <source>Is the rotation finished?</source>
        <translation>Поворот завершён?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous step again (step 2 of 3).</source>
        <translation>Снова дважды щёлкните по звезде, выбранной на предыдущем шаге (шаг 2 из 3).</translation>
    </message>
    <message>
        <source>Again, rotate your mount&apos;s RA axis in the same direction by at least 30 degrees.</source>
        <translation>Снова поверните ось RA монтировки в том же направлении не менее чем на 30 градусов.</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous two steps one last time (step 3 of 3).</source>
        <translation>В последний раз дважды щёлкните по звезде, выбранной на двух предыдущих шагах (шаг 3 из 3).</translation>
    </message>
    <message>
        <source>Turn the RA axis back to its home position and make sure the chosen star stays on the circle while the mount turns.</source>
        <translation>Верните ось RA в исходное положение (Home) и убедитесь, что выбранная звезда остаётся на окружности, пока монтировка поворачивается в положение парковки (PARK).</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>Центр оси определён верно?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Верно</translation>
    </message>
    <message>
        <source>Is the adjustment finished?</source>
        <translation>Регулировка завершена?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Нажмите кнопку «Контроль».</translation>
    </message>
    <message>
        <source>Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle.</source>
        <translation>Только винтами высоты и азимута совместите прямоугольник полюса с кругом оси.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around Polaris are visible.</source>
        <translation>Настройте параметры слева, чтобы вокруг Полярной стало видно больше звёзд.</translation>
    </message>
    <message>
        <source>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Дважды щёлкните по Полярной и ползунком «Поворот» слева (или клавишами со стрелками) поверните шаблон, чтобы он совпал со звёздами вокруг Полярной.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Выберите звезду, отличную от Полярной, и дважды щёлкните по ней на изображении. Запомните её: на следующих шагах её нужно будет выбрать снова (шаг 1 из 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Ожидаемое положение: Дважды щёлкните по Полярной и ползунком «Поворот» слева (или клавишами со стрелками) поверните шаблон, чтобы он совпал со звёздами вокруг Полярной.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move Polaris into the center of the small turning circle on the image.</source>
        <translation>Винтами высоты и азимута переместите Полярную в центр небольшого вращающегося круга на изображении.</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Текущее положение: Дважды щёлкните по Полярной и ползунком «Поворот» слева (или клавишами со стрелками) поверните шаблон, чтобы он совпал со звёздами вокруг Полярной.</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around σ Oct are visible.</source>
        <translation>Настройте параметры слева, чтобы вокруг σ Oct стало видно больше звёзд.</translation>
    </message>
    <message>
        <source>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the Southern Cross, extended four and a half times, ends near the pole (chart in the manual).</source>
        <translation>Дважды щёлкните по σ Oct и ползунком «Поворот» слева (или клавишами со стрелками) поверните шаблон, чтобы он совпал со звёздами вокруг σ Oct. Как найти: длинная ось Южного Креста, продолженная в четыре с половиной раза, заканчивается у полюса (карта в руководстве).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Выберите звезду, отличную от σ Oct, и дважды щёлкните по ней на изображении. Запомните её: на следующих шагах её нужно будет выбрать снова (шаг 1 из 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Ожидаемое положение: Дважды щёлкните по σ Oct и ползунком «Поворот» слева (или клавишами со стрелками) поверните шаблон, чтобы он совпал со звёздами вокруг σ Oct.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move σ Oct into the center of the small turning circle on the image.</source>
        <translation>Винтами высоты и азимута переместите σ Oct в центр небольшого вращающегося круга на изображении.</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Текущее положение: Дважды щёлкните по σ Oct и ползунком «Поворот» слева (или клавишами со стрелками) поверните шаблон, чтобы он совпал со звёздами вокруг σ Oct.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Ночной режим</translation>
    </message>
    <message>
        <source>The manual is not installed with Orvanta.</source>
        <translation>Руководство не установлено вместе с Orvanta.</translation>
    </message>
    <message>
        <source>The picture as shown</source>
        <translation>Изображение как на экране</translation>
    </message>
    <message>
        <source>The camera frame with marks</source>
        <translation>Кадр камеры с метками</translation>
    </message>
    <message>
        <source>The camera frame without marks</source>
        <translation>Кадр камеры без меток</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1.
Orvanta runs on without a camera.</source>
        <translation>Камеру нельзя использовать: %1.
Orvanta продолжает работу без камеры.</translation>
    </message>
    <message>
        <source>Waiting for the camera...</source>
        <translation>Ожидание камеры...</translation>
    </message>
    <message>
        <source>The camera does not answer and stays busy; try Disconnect again later.</source>
        <translation>Камера не отвечает и остаётся занятой; попробуйте «Отключить» позже.</translation>
    </message>
    <message>
        <source>Target: true pole</source>
        <translation>Цель: истинный полюс</translation>
    </message>
    <message>
        <source>Target: refracted pole</source>
        <translation>Цель: полюс с рефракцией</translation>
    </message>
    <message>
        <source>Polar error: reference stars not measured</source>
        <translation>Ошибка полюса: опорные звёзды не измерены</translation>
    </message>
    <message>
        <source>lower the polar axis</source>
        <translation>опустить полярную ось</translation>
    </message>
    <message>
        <source>raise the polar axis</source>
        <translation>поднять полярную ось</translation>
    </message>
    <message>
        <source>turn left (east)</source>
        <translation>повернуть влево (восток)</translation>
    </message>
    <message>
        <source>turn left (west)</source>
        <translation>повернуть влево (запад)</translation>
    </message>
    <message>
        <source>turn right (west)</source>
        <translation>повернуть вправо (запад)</translation>
    </message>
    <message>
        <source>turn right (east)</source>
        <translation>повернуть вправо (восток)</translation>
    </message>
    <message>
        <source>Polar error: %1&apos;</source>
        <translation>Ошибка полюса: %1&apos;</translation>
    </message>
    <message>
        <source>Altitude: %1&apos; %2</source>
        <translation>Высота: %1&apos; %2</translation>
    </message>
    <message>
        <source>Azimuth: %1&apos; %2</source>
        <translation>Азимут: %1&apos; %2</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Слежение за полюсом</translation>
    </message>
    <message>
        <source>If the pole was lost after a GOTO slew, turn the dial by the slew&apos;s RA angle to find it again.</source>
        <translation>Если полюс потерян после наведения GOTO, поверните регулятор на угол наведения по прямому восхождению, чтобы снова найти его.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Угол:</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
