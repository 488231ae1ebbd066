<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Orvanta %1, release on %2</source>
        <translation>Orvanta %1, veröffentlicht am %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>English translation by the Orvanta team.</source>
        <translation>Deutsche Übersetzung: Orvanta-Team.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Copyright © 2021 Tavrin Optics. Free software under the &lt;a href=&quot;licence&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later).</source>
        <translation>Copyright © 2021 Tavrin Optics. Freie Software unter der &lt;a href=&quot;licence&quot;&gt;GNU General Public License, Version 3 oder später&lt;/a&gt; (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Astronomische Refraktion</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
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
        <translation>Refraktionskorrektur aktivieren</translation>
    </message>
    <message>
        <source>Use the yearly star table instead of the sky of now</source>
        <translation>Jährliche Sterntabelle statt des aktuellen Himmels verwenden</translation>
    </message>
    <message>
        <source>Latitude and longitude are your observing site (longitude east positive, west negative). With the clock they give the stars&apos; places of now, where the zenith is for the altitude and azimuth figures, and how much the air lifts the stars.</source>
        <translation>Breite und Länge sind Ihr Beobachtungsort (Länge Ost positiv, West negativ). Mit der Uhr ergeben sie die aktuellen Sternörter, die Lage des Zeniths für die Höhen- und Azimutwerte und wie stark die Luft die Sterne anhebt.</translation>
    </message>
</context>
<context>
    <name>CameraServerDialog</name>
    <message>
        <source>Camera Server</source>
        <translation>Kameraserver</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI-Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Lens focal length</source>
        <translation>Brennweite des Objektivs</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht eingestellt</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>the first one found</source>
        <translation>die erste gefundene</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>The computer running indiserver with the camera&apos;s driver; leave empty to use only the simulated camera.</source>
        <translation>Der Rechner, auf dem indiserver mit dem Treiber der Kamera läuft; leer lassen, um nur die simulierte Kamera zu verwenden.</translation>
    </message>
    <message>
        <source>Camera Server...</source>
        <translation>Kameraserver...</translation>
    </message>
    <message>
        <source>The focal length of the camera&apos;s lens is not set, so the stars cannot be brought to the scale of the star template. Set it under Device, Camera Server, then connect again.</source>
        <translation>Die Brennweite des Kameraobjektivs ist nicht eingestellt, daher lassen sich die Sterne nicht auf den Maßstab der Sternvorlage bringen. Stellen Sie sie unter Gerät, Kameraserver ein und verbinden Sie dann erneut.</translation>
    </message>
    <message>
        <source>With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.</source>
        <translation>Mit einem %1-mm-Objektiv sieht diese Kamera nur %2 x %3 Grad des Himmels; der Polstern und sein Referenzstern brauchen auf der kurzen Seite mindestens %4 Grad. Verwenden Sie ein Objektiv mit %5 mm oder weniger.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Frage %1 an...</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers, but has no camera. Start indiserver with the camera&apos;s driver.</source>
        <translation>Der INDI-Server unter %1 antwortet, hat aber keine Kamera. Starten Sie indiserver mit dem Treiber der Kamera.</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers. Cameras: %2.</source>
        <translation>Der INDI-Server unter %1 antwortet. Kameras: %2.</translation>
    </message>
    <message>
        <source>No INDI server answers at %1. Start indiserver there, or check the server and port.</source>
        <translation>Unter %1 antwortet kein INDI-Server. Starten Sie dort indiserver oder prüfen Sie Server und Port.</translation>
    </message>
    <message>
        <source>No server set: only the simulated camera is used.</source>
        <translation>Kein Server eingestellt: Nur die simulierte Kamera wird verwendet.</translation>
    </message>
    <message>
        <source>This camera library cannot use INDI cameras: only the simulated camera is used.</source>
        <translation>Diese Kamerabibliothek kann keine INDI-Kameras verwenden: Nur die simulierte Kamera wird verwendet.</translation>
    </message>
    <message>
        <source>Set the lens&apos;s focal length before you connect.</source>
        <translation>Stellen Sie vor dem Verbinden die Brennweite des Objektivs ein.</translation>
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
        <translation>Hemisphäre</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Orvanta Settings</source>
        <translation>Orvanta-Einstellungen</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Bel.(ms)</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Traffic</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>Polaris/σ Oct bestätigen</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Vorlage anpassen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
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
        <translation>Pol grob</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Achsenmitte</translation>
    </message>
    <message>
        <source>Choose the same star every time</source>
        <translation>Immer denselben Stern wählen</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Sternpos. 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Sternpos. 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Sternpos. 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Achse:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Aktueller Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Erwarteter Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Pol fein</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Pol:</translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation>roiBigger_image</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Pol überwachen</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Referenzstern A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Referenzstern B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Überwachen</translation>
    </message>
    <message>
        <source>template_image</source>
        <translation>template_image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Vorlage anzeigen</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Mono-Stil</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Astronomische Refraktion</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Manuelle Nachführung</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Einfrieren verhindern</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoriten</translation>
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
        <translation>Orvanta-Handbuch</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Can not save the image to %1!</source>
        <translation>Das Bild kann nicht unter %1 gespeichert werden!</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>No TAVRIN Orvanta camera found.</source>
        <translation>Kein TAVRIN-Orvanta-Gerät gefunden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: OpenTAVRIN failed.</source>
        <translation>Orvanta kann wegen eines OpenTAVRIN-Fehlers nicht verbunden werden!</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: InitTAVRIN failed.</source>
        <translation>Orvanta kann wegen eines InitTAVRIN-Fehlers nicht verbunden werden!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Orvanta - ID:%1</source>
        <translation>Orvanta - ID:%1</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>An dieser Stelle scheint kein Stern zu sein, bitte versuchen Sie eine andere Stelle.</translation>
    </message>
    <message>
        <source>Cannot find the axis center. Please click &apos;Reset&apos; to find it again.</source>
        <translation>Die Achsenmitte kann nicht bestimmt werden, bitte klicken Sie auf „Reset“, um sie neu zu suchen.</translation>
    </message>
    <message>
        <source>reference stars lost</source>
        <translation>Referenzsterne verloren</translation>
    </message>
    <message>
        <source>Measuring the star...</source>
        <translation>Stern wird gemessen...</translation>
    </message>
    <message>
        <source>This is where the star was at the last pick. Turn the RA axis by at least about 20 degrees between picks, then double click the star again.</source>
        <translation>Hier stand der Stern schon bei der letzten Auswahl. Drehen Sie die RA-Achse zwischen den Auswahlen um mindestens etwa 20 Grad und doppelklicken Sie dann erneut auf den Stern.</translation>
    </message>
    <message>
        <source>The picks are too close together to find the axis centre. Click &apos;Reset&apos; and turn the RA axis by at least about 20 degrees between picks.</source>
        <translation>Die Auswahlen liegen zu nah beieinander, um die Achsmitte zu finden. Klicken Sie auf &apos;Reset&apos; und drehen Sie die RA-Achse zwischen den Auswahlen um mindestens etwa 20 Grad.</translation>
    </message>
    <message>
        <source>These picks do not lie on a circle around the RA axis. Click &apos;Reset&apos; and double click the same star each time.</source>
        <translation>Diese Auswahlen liegen nicht auf einem Kreis um die RA-Achse. Klicken Sie auf &apos;Reset&apos; und doppelklicken Sie jedes Mal denselben Stern.</translation>
    </message>
    <message>
        <source>The picks span %1 degrees of RA; the centre is good to %2 px (%3&quot;).</source>
        <translation>Die Auswahlen umfassen %1 Grad in RA; die Mitte ist auf %2 px (%3&quot;) genau.</translation>
    </message>
    <message>
        <source>That is too uncertain: click &apos;Reset&apos; and turn the RA axis further between picks.</source>
        <translation>Das ist zu ungenau: Klicken Sie auf &apos;Reset&apos; und drehen Sie die RA-Achse zwischen den Auswahlen weiter.</translation>
    </message>
    <message>
        <source>A reference star would stand too near the edge of the image to be followed: the axis centre is too near the edge. Turn the camera on the mount so that the axis centre lies nearer the middle of the image, then find it again.</source>
        <translation>Ein Referenzstern stünde zu nah am Bildrand, um verfolgt zu werden: Die Achsmitte liegt zu nah am Rand. Drehen Sie die Kamera auf der Montierung so, dass die Achsmitte näher an der Bildmitte liegt, und bestimmen Sie sie dann neu.</translation>
    </message>
    <message>
        <source>Recorded: %1 on %2.</source>
        <translation>Gespeichert: %1 am %2.</translation>
    </message>
    <message>
        <source>Recorded: %1.</source>
        <translation>Gespeichert: %1.</translation>
    </message>
    <message>
        <source>The reference stars were not found where the template puts them. Double click the pole star and match the template again.</source>
        <translation>Die Referenzsterne wurden nicht dort gefunden, wo die Vorlage sie zeigt. Doppelklicken Sie auf den Polstern und passen Sie die Vorlage erneut an.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Would you like to use the axis center saved the last time you used Orvanta?</source>
        <translation>Möchten Sie die bei der letzten Verwendung von Orvanta gespeicherte Achsenmitte verwenden?</translation>
    </message>
    <message>
        <source>Is the setup finished?</source>
        <translation>Einstellung abgeschlossen?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Does the template match?</source>
        <translation>Passt die Vorlage?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Passt</translation>
    </message>
    <message>
        <source>Rotate your mount&apos;s RA axis in the direction of the arrow at the top of the image, by at least 30 degrees.</source>
        <translation>Drehen Sie die RA-Achse Ihrer Montierung in die Richtung des Pfeils oben im Bild (mindestens 30 Grad).</translation>
    </message>
    <message>
        <source>Is the rotation finished?</source>
        <translation>Drehung abgeschlossen?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous step again (step 2 of 3).</source>
        <translation>Doppelklicken Sie erneut auf den im vorigen Schritt gewählten Stern (Schritt 2 von 3).</translation>
    </message>
    <message>
        <source>Again, rotate your mount&apos;s RA axis in the same direction by at least 30 degrees.</source>
        <translation>Drehen Sie die RA-Achse erneut in dieselbe Richtung, mindestens 30 Grad.</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous two steps one last time (step 3 of 3).</source>
        <translation>Doppelklicken Sie ein letztes Mal auf den in den beiden vorigen Schritten gewählten Stern (Schritt 3 von 3).</translation>
    </message>
    <message>
        <source>Turn the RA axis back to its home position and make sure the chosen star stays on the circle while the mount turns.</source>
        <translation>Drehen Sie die RA-Achse zurück in die Home-Position. Der gewählte Stern muss auf dem Kreis bleiben, während die Montierung in die Parkposition fährt.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>Ist die Achsenmitte richtig?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Is the adjustment finished?</source>
        <translation>Justierung abgeschlossen?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Bitte klicken Sie auf „Überwachen“.</translation>
    </message>
    <message>
        <source>Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle.</source>
        <translation>Bewegen Sie das Pol-Rechteck nur mit den Höhen- und Azimutschrauben auf den Achsenkreis.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around Polaris are visible.</source>
        <translation>Stellen Sie die Parameter links so ein, dass mehr Sterne um Polaris sichtbar werden.</translation>
    </message>
    <message>
        <source>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Doppelklicken Sie auf Polaris und drehen Sie die Vorlage mit dem Regler „Drehen“ links (oder den Pfeiltasten), bis sie mit den Sternen um Polaris übereinstimmt.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Wählen Sie einen anderen Stern als Polaris und doppelklicken Sie im Bild darauf. Merken Sie sich diesen Stern, Sie wählen ihn in den nächsten Schritten erneut (Schritt 1 von 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Erwartete Position: Doppelklicken Sie auf Polaris und drehen Sie die Vorlage mit dem Regler „Drehen“ links (oder den Pfeiltasten), bis sie mit den Sternen um Polaris übereinstimmt.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move Polaris into the center of the small turning circle on the image.</source>
        <translation>Bewegen Sie Polaris mit den Höhen- und Azimutschrauben in die Mitte des kleinen rotierenden Kreises im Bild.</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Aktuelle Position: Doppelklicken Sie auf Polaris und drehen Sie die Vorlage mit dem Regler „Drehen“ links (oder den Pfeiltasten), bis sie mit den Sternen um Polaris übereinstimmt.</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around σ Oct are visible.</source>
        <translation>Stellen Sie die Parameter links so ein, dass mehr Sterne um σ Oct sichtbar werden.</translation>
    </message>
    <message>
        <source>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the Southern Cross, extended four and a half times, ends near the pole (chart in the manual).</source>
        <translation>Doppelklicken Sie auf σ Oct und drehen Sie die Vorlage mit dem Regler „Drehen“ links (oder den Pfeiltasten), bis sie mit den Sternen um σ Oct übereinstimmt. So finden Sie ihn: Die lange Achse des Kreuzes des Südens, viereinhalbmal verlängert, endet nahe dem Pol (Karte im Handbuch).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Wählen Sie einen anderen Stern als σ Oct und doppelklicken Sie im Bild darauf. Merken Sie sich diesen Stern, Sie wählen ihn in den nächsten Schritten erneut (Schritt 1 von 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Erwartete Position: Doppelklicken Sie auf σ Oct und drehen Sie die Vorlage mit dem Regler „Drehen“ links (oder den Pfeiltasten), bis sie mit den Sternen um σ Oct übereinstimmt.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move σ Oct into the center of the small turning circle on the image.</source>
        <translation>Bewegen Sie σ Oct mit den Höhen- und Azimutschrauben in die Mitte des kleinen rotierenden Kreises im Bild.</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Aktuelle Position: Doppelklicken Sie auf σ Oct und drehen Sie die Vorlage mit dem Regler „Drehen“ links (oder den Pfeiltasten), bis sie mit den Sternen um σ Oct übereinstimmt.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>The manual is not installed with Orvanta.</source>
        <translation>Das Handbuch ist nicht mit Orvanta installiert.</translation>
    </message>
    <message>
        <source>The picture as shown</source>
        <translation>Das Bild wie angezeigt</translation>
    </message>
    <message>
        <source>The camera frame with marks</source>
        <translation>Das Kamerabild mit Markierungen</translation>
    </message>
    <message>
        <source>The camera frame without marks</source>
        <translation>Das Kamerabild ohne Markierungen</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1.
Orvanta runs on without a camera.</source>
        <translation>Die Kamera kann nicht benutzt werden: %1.
Orvanta läuft ohne Kamera weiter.</translation>
    </message>
    <message>
        <source>Waiting for the camera...</source>
        <translation>Warte auf die Kamera...</translation>
    </message>
    <message>
        <source>The camera does not answer and stays busy; try Disconnect again later.</source>
        <translation>Die Kamera antwortet nicht und bleibt belegt; später erneut Trennen versuchen.</translation>
    </message>
    <message>
        <source>Target: true pole</source>
        <translation>Ziel: wahrer Pol</translation>
    </message>
    <message>
        <source>Target: refracted pole</source>
        <translation>Ziel: refraktierter Pol</translation>
    </message>
    <message>
        <source>Polar error: reference stars not measured</source>
        <translation>Polfehler: Referenzsterne nicht gemessen</translation>
    </message>
    <message>
        <source>lower the polar axis</source>
        <translation>Polachse absenken</translation>
    </message>
    <message>
        <source>raise the polar axis</source>
        <translation>Polachse anheben</translation>
    </message>
    <message>
        <source>turn left (east)</source>
        <translation>nach links drehen (Osten)</translation>
    </message>
    <message>
        <source>turn left (west)</source>
        <translation>nach links drehen (Westen)</translation>
    </message>
    <message>
        <source>turn right (west)</source>
        <translation>nach rechts drehen (Westen)</translation>
    </message>
    <message>
        <source>turn right (east)</source>
        <translation>nach rechts drehen (Osten)</translation>
    </message>
    <message>
        <source>Polar error: %1&apos;</source>
        <translation>Polfehler: %1&apos;</translation>
    </message>
    <message>
        <source>Altitude: %1&apos; %2</source>
        <translation>Höhe: %1&apos; %2</translation>
    </message>
    <message>
        <source>Azimuth: %1&apos; %2</source>
        <translation>Azimut: %1&apos; %2</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Polverfolgung</translation>
    </message>
    <message>
        <source>If the pole was lost after a GOTO slew, turn the dial by the slew&apos;s RA angle to find it again.</source>
        <translation>Wenn der Pol nach einer GOTO-Bewegung verloren ging, drehen Sie den Regler um den RA-Winkel der Bewegung, um ihn wiederzufinden.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Winkel:</translation>
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
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
