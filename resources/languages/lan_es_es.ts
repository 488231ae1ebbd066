<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Orvanta %1, release on %2</source>
        <translation>Orvanta %1, publicado el %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>English translation by the Orvanta team.</source>
        <translation>Traducción al español: equipo de Orvanta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Copyright © 2021 Tavrin Optics. Free software under the &lt;a href=&quot;licence&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later).</source>
        <translation>Copyright © 2021 Tavrin Optics. Software libre bajo la &lt;a href=&quot;licence&quot;&gt;GNU General Public License, versión 3 o posterior&lt;/a&gt; (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Refracción astronómica</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
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
        <translation>Activar corrección de refracción</translation>
    </message>
    <message>
        <source>Use the yearly star table instead of the sky of now</source>
        <translation>Usar la tabla anual de estrellas en lugar del cielo actual</translation>
    </message>
    <message>
        <source>Latitude and longitude are your observing site (longitude east positive, west negative). With the clock they give the stars&apos; places of now, where the zenith is for the altitude and azimuth figures, and how much the air lifts the stars.</source>
        <translation>La latitud y la longitud son su lugar de observación (longitud este positiva, oeste negativa). Con el reloj dan las posiciones actuales de las estrellas, dónde está el cenit para las cifras de altitud y acimut, y cuánto eleva el aire las estrellas.</translation>
    </message>
</context>
<context>
    <name>CameraServerDialog</name>
    <message>
        <source>Camera Server</source>
        <translation>Servidor de cámara</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Servidor INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Lens focal length</source>
        <translation>Distancia focal del objetivo</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>sin definir</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>the first one found</source>
        <translation>la primera encontrada</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>The computer running indiserver with the camera&apos;s driver; leave empty to use only the simulated camera.</source>
        <translation>El ordenador que ejecuta indiserver con el controlador de la cámara; déjelo vacío para usar solo la cámara simulada.</translation>
    </message>
    <message>
        <source>Camera Server...</source>
        <translation>Servidor de cámara...</translation>
    </message>
    <message>
        <source>The focal length of the camera&apos;s lens is not set, so the stars cannot be brought to the scale of the star template. Set it under Device, Camera Server, then connect again.</source>
        <translation>La distancia focal del objetivo de la cámara no está definida, así que las estrellas no pueden llevarse a la escala de la plantilla de estrellas. Defínala en Dispositivo, Servidor de cámara, y vuelva a conectar.</translation>
    </message>
    <message>
        <source>With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.</source>
        <translation>Con un objetivo de %1 mm esta cámara solo ve %2 x %3 grados de cielo; la estrella polar y su estrella de referencia necesitan al menos %4 grados en el lado corto. Use un objetivo de %5 mm o menos.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Consultando %1...</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers, but has no camera. Start indiserver with the camera&apos;s driver.</source>
        <translation>El servidor INDI en %1 responde, pero no tiene ninguna cámara. Inicie indiserver con el controlador de la cámara.</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers. Cameras: %2.</source>
        <translation>El servidor INDI en %1 responde. Cámaras: %2.</translation>
    </message>
    <message>
        <source>No INDI server answers at %1. Start indiserver there, or check the server and port.</source>
        <translation>Ningún servidor INDI responde en %1. Inicie indiserver allí o compruebe el servidor y el puerto.</translation>
    </message>
    <message>
        <source>No server set: only the simulated camera is used.</source>
        <translation>No hay servidor definido: solo se usa la cámara simulada.</translation>
    </message>
    <message>
        <source>This camera library cannot use INDI cameras: only the simulated camera is used.</source>
        <translation>Esta biblioteca de cámara no puede usar cámaras INDI: solo se usa la cámara simulada.</translation>
    </message>
    <message>
        <source>Set the lens&apos;s focal length before you connect.</source>
        <translation>Defina la distancia focal del objetivo antes de conectar.</translation>
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
        <translation>Hemisferio</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>Orvanta Settings</source>
        <translation>Ajustes de Orvanta</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Exp.(ms)</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Tráfico</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>Confirmar Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Ajuste de plantilla</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
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
        <translation>Polo aproximado</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Centro del eje</translation>
    </message>
    <message>
        <source>Choose the same star every time</source>
        <translation>Elija siempre la misma estrella</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Pos. estrella 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Pos. estrella 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Pos. estrella 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Eje:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Polaris/σ Oct actual</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Polaris/σ Oct esperada</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Polo preciso</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Polo:</translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation>roiBigger_image</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Vigilar polo</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Estrella de referencia A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Estrella de referencia B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Vigilar</translation>
    </message>
    <message>
        <source>template_image</source>
        <translation>template_image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Mostrar plantilla</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Estilo monocromo</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Refracción astronómica</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Seguimiento manual</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Evitar bloqueo</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoritos</translation>
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
        <translation>Manual de Orvanta</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Can not save the image to %1!</source>
        <translation>¡No se puede guardar la imagen en %1!</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>No TAVRIN Orvanta camera found.</source>
        <translation>¡No se encontró ningún equipo TAVRIN Orvanta!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: OpenTAVRIN failed.</source>
        <translation>¡No se puede conectar Orvanta por un error de OpenTAVRIN!</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: InitTAVRIN failed.</source>
        <translation>¡No se puede conectar Orvanta por un error de InitTAVRIN!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Orvanta - ID:%1</source>
        <translation>Orvanta - ID:%1</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Parece que no hay ninguna estrella en este punto; pruebe con otro.</translation>
    </message>
    <message>
        <source>Cannot find the axis center. Please click &apos;Reset&apos; to find it again.</source>
        <translation>No se puede obtener el centro del eje; pulse «Repetir» para volver a buscarlo.</translation>
    </message>
    <message>
        <source>reference stars lost</source>
        <translation>estrellas de referencia perdidas</translation>
    </message>
    <message>
        <source>Measuring the star...</source>
        <translation>Midiendo la estrella...</translation>
    </message>
    <message>
        <source>This is where the star was at the last pick. Turn the RA axis by at least about 20 degrees between picks, then double click the star again.</source>
        <translation>Aquí estaba la estrella en la selección anterior. Gire el eje AR al menos unos 20 grados entre selecciones y luego haga doble clic de nuevo en la estrella.</translation>
    </message>
    <message>
        <source>The picks are too close together to find the axis centre. Click &apos;Reset&apos; and turn the RA axis by at least about 20 degrees between picks.</source>
        <translation>Las selecciones están demasiado juntas para hallar el centro del eje. Pulse &apos;Repetir&apos; y gire el eje AR al menos unos 20 grados entre selecciones.</translation>
    </message>
    <message>
        <source>These picks do not lie on a circle around the RA axis. Click &apos;Reset&apos; and double click the same star each time.</source>
        <translation>Estas selecciones no están sobre un círculo alrededor del eje AR. Pulse &apos;Repetir&apos; y haga doble clic cada vez en la misma estrella.</translation>
    </message>
    <message>
        <source>The picks span %1 degrees of RA; the centre is good to %2 px (%3&quot;).</source>
        <translation>Las selecciones abarcan %1 grados de AR; el centro tiene una precisión de %2 px (%3&quot;).</translation>
    </message>
    <message>
        <source>That is too uncertain: click &apos;Reset&apos; and turn the RA axis further between picks.</source>
        <translation>Es demasiado incierto: pulse &apos;Repetir&apos; y gire más el eje AR entre selecciones.</translation>
    </message>
    <message>
        <source>A reference star would stand too near the edge of the image to be followed: the axis centre is too near the edge. Turn the camera on the mount so that the axis centre lies nearer the middle of the image, then find it again.</source>
        <translation>Una estrella de referencia quedaría demasiado cerca del borde de la imagen para seguirla: el centro del eje está demasiado cerca del borde. Gire la cámara en la montura para que el centro del eje quede más cerca del centro de la imagen y vuelva a hallarlo.</translation>
    </message>
    <message>
        <source>Recorded: %1 on %2.</source>
        <translation>Guardado: %1 el %2.</translation>
    </message>
    <message>
        <source>Recorded: %1.</source>
        <translation>Guardado: %1.</translation>
    </message>
    <message>
        <source>The reference stars were not found where the template puts them. Double click the pole star and match the template again.</source>
        <translation>No se encontraron las estrellas de referencia donde las sitúa la plantilla. Haga doble clic en la estrella polar y vuelva a ajustar la plantilla.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Would you like to use the axis center saved the last time you used Orvanta?</source>
        <translation>¿Desea usar la posición del centro del eje guardada la última vez que usó Orvanta?</translation>
    </message>
    <message>
        <source>Is the setup finished?</source>
        <translation>¿Ha terminado la configuración?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Does the template match?</source>
        <translation>¿Coincide la plantilla?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Coincide</translation>
    </message>
    <message>
        <source>Rotate your mount&apos;s RA axis in the direction of the arrow at the top of the image, by at least 30 degrees.</source>
        <translation>Gire el eje de AR de su montura en la dirección indicada por la flecha en la parte superior de la pantalla (al menos 30 grados).</translation>
    </message>
    <message>
        <source>Is the rotation finished?</source>
        <translation>¿Ha terminado el giro?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous step again (step 2 of 3).</source>
        <translation>Haga doble clic de nuevo en la misma estrella elegida en el paso anterior (paso 2 de 3).</translation>
    </message>
    <message>
        <source>Again, rotate your mount&apos;s RA axis in the same direction by at least 30 degrees.</source>
        <translation>Gire de nuevo el eje de AR de su montura en la misma dirección, al menos 30 grados.</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous two steps one last time (step 3 of 3).</source>
        <translation>Haga doble clic por última vez en la misma estrella elegida en los 2 pasos anteriores (paso 3 de 3).</translation>
    </message>
    <message>
        <source>Turn the RA axis back to its home position and make sure the chosen star stays on the circle while the mount turns.</source>
        <translation>Devuelva el eje de AR a la posición inicial (Home): compruebe que la estrella elegida permanece sobre el círculo mientras la montura gira hasta la posición de aparcado (PARK).</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>¿Es correcto el centro del eje?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Is the adjustment finished?</source>
        <translation>¿Ha terminado el ajuste?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Pulse el botón «Vigilar».</translation>
    </message>
    <message>
        <source>Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle.</source>
        <translation>Use solo los tornillos de altura y acimut para llevar el rectángulo del polo sobre el círculo del eje.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around Polaris are visible.</source>
        <translation>Ajuste los parámetros de la izquierda para que se vean más estrellas alrededor de Polaris.</translation>
    </message>
    <message>
        <source>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Haga doble clic en Polaris y use el control «Girar» de la izquierda (o las teclas de flecha) para girar la plantilla hasta que coincida con las estrellas alrededor de Polaris.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Elija una estrella distinta de Polaris y haga doble clic sobre ella en la imagen. Recuerde esta estrella: volverá a seleccionarla en los pasos siguientes (paso 1 de 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Posición esperada: Haga doble clic en Polaris y use el control «Girar» de la izquierda (o las teclas de flecha) para girar la plantilla hasta que coincida con las estrellas alrededor de Polaris.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move Polaris into the center of the small turning circle on the image.</source>
        <translation>Con los tornillos de altura y acimut, lleve Polaris al centro del pequeño círculo giratorio que aparece ahora en la imagen.</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Posición actual: Haga doble clic en Polaris y use el control «Girar» de la izquierda (o las teclas de flecha) para girar la plantilla hasta que coincida con las estrellas alrededor de Polaris.</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around σ Oct are visible.</source>
        <translation>Ajuste los parámetros de la izquierda para que se vean más estrellas alrededor de σ Oct.</translation>
    </message>
    <message>
        <source>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the Southern Cross, extended four and a half times, ends near the pole (chart in the manual).</source>
        <translation>Haga doble clic en σ Oct y use el control «Girar» de la izquierda (o las teclas de flecha) para girar la plantilla hasta que coincida con las estrellas alrededor de σ Oct. Para encontrarla: el eje largo de la Cruz del Sur, prolongado cuatro veces y media, termina cerca del polo (mapa en el manual).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Elija una estrella distinta de σ Oct y haga doble clic sobre ella en la imagen. Recuerde esta estrella: volverá a seleccionarla en los pasos siguientes (paso 1 de 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Posición esperada: Haga doble clic en σ Oct y use el control «Girar» de la izquierda (o las teclas de flecha) para girar la plantilla hasta que coincida con las estrellas alrededor de σ Oct.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move σ Oct into the center of the small turning circle on the image.</source>
        <translation>Con los tornillos de altura y acimut, lleve σ Oct al centro del pequeño círculo giratorio que aparece ahora en la imagen.</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Posición actual: Haga doble clic en σ Oct y use el control «Girar» de la izquierda (o las teclas de flecha) para girar la plantilla hasta que coincida con las estrellas alrededor de σ Oct.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Modo nocturno</translation>
    </message>
    <message>
        <source>The manual is not installed with Orvanta.</source>
        <translation>El manual no está instalado con Orvanta.</translation>
    </message>
    <message>
        <source>The picture as shown</source>
        <translation>La imagen tal como se muestra</translation>
    </message>
    <message>
        <source>The camera frame with marks</source>
        <translation>La imagen de la cámara con marcas</translation>
    </message>
    <message>
        <source>The camera frame without marks</source>
        <translation>La imagen de la cámara sin marcas</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1.
Orvanta runs on without a camera.</source>
        <translation>No se puede usar la cámara: %1.
Orvanta sigue funcionando sin cámara.</translation>
    </message>
    <message>
        <source>Waiting for the camera...</source>
        <translation>Esperando a la cámara...</translation>
    </message>
    <message>
        <source>The camera does not answer and stays busy; try Disconnect again later.</source>
        <translation>La cámara no responde y sigue ocupada; vuelva a intentar Desconectar más tarde.</translation>
    </message>
    <message>
        <source>Target: true pole</source>
        <translation>Objetivo: polo verdadero</translation>
    </message>
    <message>
        <source>Target: refracted pole</source>
        <translation>Objetivo: polo refractado</translation>
    </message>
    <message>
        <source>Polar error: reference stars not measured</source>
        <translation>Error polar: estrellas de referencia no medidas</translation>
    </message>
    <message>
        <source>lower the polar axis</source>
        <translation>bajar el eje polar</translation>
    </message>
    <message>
        <source>raise the polar axis</source>
        <translation>subir el eje polar</translation>
    </message>
    <message>
        <source>turn left (east)</source>
        <translation>girar a la izquierda (este)</translation>
    </message>
    <message>
        <source>turn left (west)</source>
        <translation>girar a la izquierda (oeste)</translation>
    </message>
    <message>
        <source>turn right (west)</source>
        <translation>girar a la derecha (oeste)</translation>
    </message>
    <message>
        <source>turn right (east)</source>
        <translation>girar a la derecha (este)</translation>
    </message>
    <message>
        <source>Polar error: %1&apos;</source>
        <translation>Error polar: %1&apos;</translation>
    </message>
    <message>
        <source>Altitude: %1&apos; %2</source>
        <translation>Altitud: %1&apos; %2</translation>
    </message>
    <message>
        <source>Azimuth: %1&apos; %2</source>
        <translation>Acimut: %1&apos; %2</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Seguimiento del polo</translation>
    </message>
    <message>
        <source>If the pole was lost after a GOTO slew, turn the dial by the slew&apos;s RA angle to find it again.</source>
        <translation>Si el polo se perdió tras un movimiento GOTO, gire el dial el ángulo de AR del movimiento para volver a encontrarlo.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Ángulo:</translation>
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
        <translation>Cero</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
