<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Orvanta %1, release on %2</source>
        <translation>Orvanta %1（リリース日 %2）</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>English translation by the Orvanta team.</source>
        <translation>日本語訳：Orvanta チーム。</translation>
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
        <translation>Copyright © 2021 Tavrin Optics. &lt;a href=&quot;licence&quot;&gt;GNU 一般公衆利用許諾書 バージョン 3 以降&lt;/a&gt;（GPL-3.0-or-later）の下で提供されるフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>ライセンス</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>大気差</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
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
        <translation>大気差補正を有効にする</translation>
    </message>
    <message>
        <source>Use the yearly star table instead of the sky of now</source>
        <translation>現在の星空の代わりに年ごとの星表を使う</translation>
    </message>
    <message>
        <source>Latitude and longitude are your observing site (longitude east positive, west negative). With the clock they give the stars&apos; places of now, where the zenith is for the altitude and azimuth figures, and how much the air lifts the stars.</source>
        <translation>緯度と経度は観測地です（経度は東が正、西が負）。時計と合わせて、現在の星の位置、高度・方位の値に使う天頂の方向、大気が星を持ち上げる量を求めます。</translation>
    </message>
</context>
<context>
    <name>CameraServerDialog</name>
    <message>
        <source>Camera Server</source>
        <translation>カメラサーバー</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI サーバー</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Lens focal length</source>
        <translation>レンズの焦点距離</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>the first one found</source>
        <translation>最初に見つかったもの</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>The computer running indiserver with the camera&apos;s driver; leave empty to use only the simulated camera.</source>
        <translation>カメラのドライバーとともに indiserver を実行しているコンピューター。空欄にするとシミュレーションカメラのみを使用します。</translation>
    </message>
    <message>
        <source>Camera Server...</source>
        <translation>カメラサーバー...</translation>
    </message>
    <message>
        <source>The focal length of the camera&apos;s lens is not set, so the stars cannot be brought to the scale of the star template. Set it under Device, Camera Server, then connect again.</source>
        <translation>カメラのレンズの焦点距離が設定されていないため、星をテンプレートの縮尺に合わせられません。「デバイス」の「カメラサーバー」で設定してから、もう一度接続してください。</translation>
    </message>
    <message>
        <source>With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.</source>
        <translation>%1 mm のレンズでは、このカメラに写る空は %2 x %3 度だけです。極星とその基準星には短辺で %4 度以上が必要です。%5 mm 以下のレンズを使用してください。</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>%1 に問い合わせ中...</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers, but has no camera. Start indiserver with the camera&apos;s driver.</source>
        <translation>%1 の INDI サーバーは応答しましたが、カメラがありません。カメラのドライバーとともに indiserver を起動してください。</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers. Cameras: %2.</source>
        <translation>%1 の INDI サーバーが応答しました。カメラ: %2。</translation>
    </message>
    <message>
        <source>No INDI server answers at %1. Start indiserver there, or check the server and port.</source>
        <translation>%1 で応答する INDI サーバーがありません。そこで indiserver を起動するか、サーバーとポートを確認してください。</translation>
    </message>
    <message>
        <source>No server set: only the simulated camera is used.</source>
        <translation>サーバーが設定されていません。シミュレーションカメラのみを使用します。</translation>
    </message>
    <message>
        <source>This camera library cannot use INDI cameras: only the simulated camera is used.</source>
        <translation>このカメラライブラリは INDI カメラを使用できません。シミュレーションカメラのみを使用します。</translation>
    </message>
    <message>
        <source>Set the lens&apos;s focal length before you connect.</source>
        <translation>接続する前にレンズの焦点距離を設定してください。</translation>
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
        <translation>半球の選択</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北半球</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南半球</translation>
    </message>
    <message>
        <source>Orvanta Settings</source>
        <translation>Orvanta 設定</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>露出(ms)</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>ゲイン</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>帯域</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>北極星/σ Oct の確認</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>テンプレート照合</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
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
        <translation>極の粗調整</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>軸の中心</translation>
    </message>
    <message>
        <source>Choose the same star every time</source>
        <translation>毎回同じ星を選んでください</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>星の位置 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>星の位置 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>星の位置 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>軸：</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>現在の北極星/σ Oct</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>目標の北極星/σ Oct</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>極の精密調整</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>極：</translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation>roiBigger_image</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>極の監視</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>基準星 A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>基準星 B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>監視開始</translation>
    </message>
    <message>
        <source>template_image</source>
        <translation>template_image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>テンプレートを表示</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>モノクロ表示</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>ストレッチ</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>大気差</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>手動追尾</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>フリーズ防止</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>お気に入り</translation>
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
        <translation>Orvanta マニュアル</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Can not save the image to %1!</source>
        <translation>画像を %1 に保存できません！</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>No TAVRIN Orvanta camera found.</source>
        <translation>TAVRIN Orvanta 機器が見つかりません！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: OpenTAVRIN failed.</source>
        <translation>OpenTAVRIN エラーのため Orvanta に接続できません！</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: InitTAVRIN failed.</source>
        <translation>InitTAVRIN エラーのため Orvanta に接続できません！</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Orvanta - ID:%1</source>
        <translation>Orvanta - ID:%1</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>この位置には星がないようです。別の位置を試してください。</translation>
    </message>
    <message>
        <source>Cannot find the axis center. Please click &apos;Reset&apos; to find it again.</source>
        <translation>軸の中心を求められません。「リセット」をクリックしてやり直してください。</translation>
    </message>
    <message>
        <source>reference stars lost</source>
        <translation>基準星を見失いました</translation>
    </message>
    <message>
        <source>Measuring the star...</source>
        <translation>星を測定中...</translation>
    </message>
    <message>
        <source>This is where the star was at the last pick. Turn the RA axis by at least about 20 degrees between picks, then double click the star again.</source>
        <translation>前回選択したときと同じ位置です。選択の間に赤経軸を少なくとも約20度回転させてから、もう一度星をダブルクリックしてください。</translation>
    </message>
    <message>
        <source>The picks are too close together to find the axis centre. Click &apos;Reset&apos; and turn the RA axis by at least about 20 degrees between picks.</source>
        <translation>選択した位置が近すぎて軸の中心を求められません。「リセット」をクリックし、選択の間に赤経軸を少なくとも約20度回転させてください。</translation>
    </message>
    <message>
        <source>These picks do not lie on a circle around the RA axis. Click &apos;Reset&apos; and double click the same star each time.</source>
        <translation>選択した位置が赤経軸を中心とする円の上にありません。「リセット」をクリックし、毎回同じ星をダブルクリックしてください。</translation>
    </message>
    <message>
        <source>The picks span %1 degrees of RA; the centre is good to %2 px (%3&quot;).</source>
        <translation>選択の範囲は赤経 %1 度、中心の精度は %2 px (%3&quot;) です。</translation>
    </message>
    <message>
        <source>That is too uncertain: click &apos;Reset&apos; and turn the RA axis further between picks.</source>
        <translation>精度が不十分です。「リセット」をクリックし、選択の間に赤経軸をもっと大きく回転させてください。</translation>
    </message>
    <message>
        <source>A reference star would stand too near the edge of the image to be followed: the axis centre is too near the edge. Turn the camera on the mount so that the axis centre lies nearer the middle of the image, then find it again.</source>
        <translation>基準星が画像の端に近すぎて追跡できません。軸の中心が端に近すぎます。軸の中心が画像の中央寄りになるよう架台上のカメラを回してから、もう一度求めてください。</translation>
    </message>
    <message>
        <source>Recorded: %1 on %2.</source>
        <translation>記録: %1 (%2)。</translation>
    </message>
    <message>
        <source>Recorded: %1.</source>
        <translation>記録: %1。</translation>
    </message>
    <message>
        <source>The reference stars were not found where the template puts them. Double click the pole star and match the template again.</source>
        <translation>テンプレートが示す位置に基準星が見つかりませんでした。極星をダブルクリックして、もう一度テンプレートを合わせてください。</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Would you like to use the axis center saved the last time you used Orvanta?</source>
        <translation>前回 Orvanta で記録した「軸の中心位置」を使用しますか？</translation>
    </message>
    <message>
        <source>Is the setup finished?</source>
        <translation>設定は完了しましたか？</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Does the template match?</source>
        <translation>一致しましたか？</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Rotate your mount&apos;s RA axis in the direction of the arrow at the top of the image, by at least 30 degrees.</source>
        <translation>画面上部の矢印の方向に赤道儀の赤経（RA）軸を回転させてください（30 度以上）。</translation>
    </message>
    <message>
        <source>Is the rotation finished?</source>
        <translation>回転は完了しましたか？</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous step again (step 2 of 3).</source>
        <translation>前のステップで選んだ同じ星をもう一度ダブルクリックしてください（3 ステップ中 2）。</translation>
    </message>
    <message>
        <source>Again, rotate your mount&apos;s RA axis in the same direction by at least 30 degrees.</source>
        <translation>もう一度、赤経（RA）軸を同じ方向に 30 度以上回転させてください。</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous two steps one last time (step 3 of 3).</source>
        <translation>前の 2 ステップで選んだ同じ星を最後にもう一度ダブルクリックしてください（3 ステップ中 3）。</translation>
    </message>
    <message>
        <source>Turn the RA axis back to its home position and make sure the chosen star stays on the circle while the mount turns.</source>
        <translation>赤経（RA）軸をホーム位置に戻してください。架台がパーク位置へ回転する間、選んだ星が円の上から外れないことを確認してください。</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>軸の中心は正しいですか？</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>正しい</translation>
    </message>
    <message>
        <source>Is the adjustment finished?</source>
        <translation>調整は完了しましたか？</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>「監視開始」ボタンをクリックしてください。</translation>
    </message>
    <message>
        <source>Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle.</source>
        <translation>高度と方位の調整ボルトだけを使って、極の四角形を軸の円に重ねてください。</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around Polaris are visible.</source>
        <translation>左側のパラメータを調整して、北極星の周りの星がもっと見えるようにしてください。</translation>
    </message>
    <message>
        <source>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>北極星をダブルクリックし、左側の「回転」スライダー（または矢印キー）でテンプレートを回して北極星の周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>北極星以外の星を選んで画像上でダブルクリックしてください。この星を覚えておいてください。次のステップでもう一度選びます（3 ステップ中 1）。</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>目標位置：北極星をダブルクリックし、左側の「回転」スライダー（または矢印キー）でテンプレートを回して北極星の周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move Polaris into the center of the small turning circle on the image.</source>
        <translation>高度と方位の調整ボルトを使って、画像に表示された回転する小さな円の中心に北極星を移動させてください。</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>現在位置：北極星をダブルクリックし、左側の「回転」スライダー（または矢印キー）でテンプレートを回して北極星の周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around σ Oct are visible.</source>
        <translation>左側のパラメータを調整して、σ Octの周りの星がもっと見えるようにしてください。</translation>
    </message>
    <message>
        <source>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the Southern Cross, extended four and a half times, ends near the pole (chart in the manual).</source>
        <translation>σ Octをダブルクリックし、左側の「回転」スライダー（または矢印キー）でテンプレートを回してσ Octの周りの星に合わせてください。見つけ方：南十字星の長い軸を4.5倍延ばすと天の南極の近くに達します（マニュアルの星図を参照）。</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>σ Oct以外の星を選んで画像上でダブルクリックしてください。この星を覚えておいてください。次のステップでもう一度選びます（3 ステップ中 1）。</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>目標位置：σ Octをダブルクリックし、左側の「回転」スライダー（または矢印キー）でテンプレートを回してσ Octの周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move σ Oct into the center of the small turning circle on the image.</source>
        <translation>高度と方位の調整ボルトを使って、画像に表示された回転する小さな円の中心にσ Octを移動させてください。</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>現在位置：σ Octをダブルクリックし、左側の「回転」スライダー（または矢印キー）でテンプレートを回してσ Octの周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>ナイトモード</translation>
    </message>
    <message>
        <source>The manual is not installed with Orvanta.</source>
        <translation>マニュアルが Orvanta と一緒にインストールされていません。</translation>
    </message>
    <message>
        <source>The picture as shown</source>
        <translation>表示されている画像</translation>
    </message>
    <message>
        <source>The camera frame with marks</source>
        <translation>マーク付きのカメラ画像全体</translation>
    </message>
    <message>
        <source>The camera frame without marks</source>
        <translation>マークなしのカメラ画像全体</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1.
Orvanta runs on without a camera.</source>
        <translation>カメラを使用できません: %1。
Orvanta はカメラなしで動作を続けます。</translation>
    </message>
    <message>
        <source>Waiting for the camera...</source>
        <translation>カメラを待っています...</translation>
    </message>
    <message>
        <source>The camera does not answer and stays busy; try Disconnect again later.</source>
        <translation>カメラが応答せず、使用中のままです。後でもう一度切断してください。</translation>
    </message>
    <message>
        <source>Target: true pole</source>
        <translation>目標：真の天の極</translation>
    </message>
    <message>
        <source>Target: refracted pole</source>
        <translation>目標：大気差を含む極</translation>
    </message>
    <message>
        <source>Polar error: reference stars not measured</source>
        <translation>極軸誤差：基準星が測定されていません</translation>
    </message>
    <message>
        <source>lower the polar axis</source>
        <translation>極軸を下げる</translation>
    </message>
    <message>
        <source>raise the polar axis</source>
        <translation>極軸を上げる</translation>
    </message>
    <message>
        <source>turn left (east)</source>
        <translation>左へ回す（東）</translation>
    </message>
    <message>
        <source>turn left (west)</source>
        <translation>左へ回す（西）</translation>
    </message>
    <message>
        <source>turn right (west)</source>
        <translation>右へ回す（西）</translation>
    </message>
    <message>
        <source>turn right (east)</source>
        <translation>右へ回す（東）</translation>
    </message>
    <message>
        <source>Polar error: %1&apos;</source>
        <translation>極軸誤差：%1&apos;</translation>
    </message>
    <message>
        <source>Altitude: %1&apos; %2</source>
        <translation>高度：%1&apos; %2</translation>
    </message>
    <message>
        <source>Azimuth: %1&apos; %2</source>
        <translation>方位：%1&apos; %2</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>極の追尾</translation>
    </message>
    <message>
        <source>If the pole was lost after a GOTO slew, turn the dial by the slew&apos;s RA angle to find it again.</source>
        <translation>GOTO での移動後に極を見失った場合は、移動した赤経の角度だけダイヤルを回すと再び見つかります。</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>角度：</translation>
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
        <translation>リセット</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
