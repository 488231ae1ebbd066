<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Orvanta %1, release on %2</source>
        <translation>Orvanta %1，发布于 %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>English translation by the Orvanta team.</source>
        <translation>简体中文翻译：Orvanta 团队。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Copyright © 2021 Tavrin Optics. Free software under the &lt;a href=&quot;licence&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later).</source>
        <translation>Copyright © 2021 Tavrin Optics. 本程序为自由软件，依据&lt;a href=&quot;licence&quot;&gt;GNU 通用公共许可证第 3 版或更高版本&lt;/a&gt;（GPL-3.0-or-later）发布。</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>许可证</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>大气折射</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
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
        <translation>启用大气折射修正</translation>
    </message>
    <message>
        <source>Use the yearly star table instead of the sky of now</source>
        <translation>使用年度星表代替当前星空</translation>
    </message>
    <message>
        <source>Latitude and longitude are your observing site (longitude east positive, west negative). With the clock they give the stars&apos; places of now, where the zenith is for the altitude and azimuth figures, and how much the air lifts the stars.</source>
        <translation>纬度和经度是您的观测地点（东经为正，西经为负）。结合时钟，可得出恒星的当前位置、高度和方位数值所用的天顶方向，以及大气将恒星抬高的程度。</translation>
    </message>
</context>
<context>
    <name>CameraServerDialog</name>
    <message>
        <source>Camera Server</source>
        <translation>相机服务器</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI 服务器</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Lens focal length</source>
        <translation>镜头焦距</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>未设置</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>the first one found</source>
        <translation>找到的第一台</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>The computer running indiserver with the camera&apos;s driver; leave empty to use only the simulated camera.</source>
        <translation>运行 indiserver 及相机驱动的计算机；留空则只使用模拟相机。</translation>
    </message>
    <message>
        <source>Camera Server...</source>
        <translation>相机服务器...</translation>
    </message>
    <message>
        <source>The focal length of the camera&apos;s lens is not set, so the stars cannot be brought to the scale of the star template. Set it under Device, Camera Server, then connect again.</source>
        <translation>相机镜头的焦距未设置，因此无法把星点换算到模板的比例。请在“设备”→“相机服务器”中设置，然后重新连接。</translation>
    </message>
    <message>
        <source>With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.</source>
        <translation>使用 %1 mm 镜头时，此相机只能看到 %2 x %3 度的天空；极星及其参考星在短边上至少需要 %4 度。请使用 %5 mm 或更短的镜头。</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>正在询问 %1...</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers, but has no camera. Start indiserver with the camera&apos;s driver.</source>
        <translation>%1 上的 INDI 服务器有应答，但没有相机。请带上相机驱动启动 indiserver。</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers. Cameras: %2.</source>
        <translation>%1 上的 INDI 服务器有应答。相机：%2。</translation>
    </message>
    <message>
        <source>No INDI server answers at %1. Start indiserver there, or check the server and port.</source>
        <translation>%1 上没有 INDI 服务器应答。请在该处启动 indiserver，或检查服务器和端口。</translation>
    </message>
    <message>
        <source>No server set: only the simulated camera is used.</source>
        <translation>未设置服务器：只使用模拟相机。</translation>
    </message>
    <message>
        <source>This camera library cannot use INDI cameras: only the simulated camera is used.</source>
        <translation>此相机库无法使用 INDI 相机：只使用模拟相机。</translation>
    </message>
    <message>
        <source>Set the lens&apos;s focal length before you connect.</source>
        <translation>连接前请先设置镜头焦距。</translation>
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
        <translation>半球选择</translation>
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
        <translation>Orvanta 设置</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>曝光(ms)</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>流量</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>确认北极星/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>匹配模板</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
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
        <translation>粗略极点</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>轴心</translation>
    </message>
    <message>
        <source>Choose the same star every time</source>
        <translation>每次选择同一颗星</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>星点位置 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>星点位置 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>星点位置 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>轴心：</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>当前北极星/σ Oct</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>目标北极星/σ Oct</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>精确极点</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>极点：</translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation>roiBigger_image</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>监视极点</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>参考星 A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>参考星 B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>开始监视</translation>
    </message>
    <message>
        <source>template_image</source>
        <translation>template_image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>显示模板</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>单色风格</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>拉伸</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>大气折射</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>手动跟踪</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>防止冻结</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>收藏</translation>
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
        <translation>Orvanta 手册</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Can not save the image to %1!</source>
        <translation>无法将图像保存到 %1！</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No TAVRIN Orvanta camera found.</source>
        <translation>未找到 TAVRIN Orvanta 设备！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: OpenTAVRIN failed.</source>
        <translation>OpenTAVRIN 出错，无法连接 Orvanta！</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: InitTAVRIN failed.</source>
        <translation>InitTAVRIN 出错，无法连接 Orvanta！</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Orvanta - ID:%1</source>
        <translation>Orvanta - ID:%1</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>此处似乎没有星，请尝试其他位置。</translation>
    </message>
    <message>
        <source>Cannot find the axis center. Please click &apos;Reset&apos; to find it again.</source>
        <translation>无法求得轴心，请点击“重置”重新查找。</translation>
    </message>
    <message>
        <source>reference stars lost</source>
        <translation>参考星丢失</translation>
    </message>
    <message>
        <source>Measuring the star...</source>
        <translation>正在测量星点...</translation>
    </message>
    <message>
        <source>This is where the star was at the last pick. Turn the RA axis by at least about 20 degrees between picks, then double click the star again.</source>
        <translation>星点仍在上次选取的位置。请在两次选取之间将赤经轴至少旋转约20度，然后再次双击该星。</translation>
    </message>
    <message>
        <source>The picks are too close together to find the axis centre. Click &apos;Reset&apos; and turn the RA axis by at least about 20 degrees between picks.</source>
        <translation>选取的位置太近，无法求出轴心。请点击“重置”，并在两次选取之间将赤经轴至少旋转约20度。</translation>
    </message>
    <message>
        <source>These picks do not lie on a circle around the RA axis. Click &apos;Reset&apos; and double click the same star each time.</source>
        <translation>这些选取的位置不在以赤经轴为中心的圆上。请点击“重置”，每次都双击同一颗星。</translation>
    </message>
    <message>
        <source>The picks span %1 degrees of RA; the centre is good to %2 px (%3&quot;).</source>
        <translation>选取跨越赤经 %1 度；轴心精度为 %2 像素 (%3&quot;)。</translation>
    </message>
    <message>
        <source>That is too uncertain: click &apos;Reset&apos; and turn the RA axis further between picks.</source>
        <translation>精度不够：请点击“重置”，并在两次选取之间将赤经轴转得更多。</translation>
    </message>
    <message>
        <source>A reference star would stand too near the edge of the image to be followed: the axis centre is too near the edge. Turn the camera on the mount so that the axis centre lies nearer the middle of the image, then find it again.</source>
        <translation>参考星将离图像边缘太近而无法跟踪：轴心离边缘太近。请在赤道仪上转动相机，使轴心更靠近图像中部，然后重新求轴心。</translation>
    </message>
    <message>
        <source>Recorded: %1 on %2.</source>
        <translation>记录：%1，日期 %2。</translation>
    </message>
    <message>
        <source>Recorded: %1.</source>
        <translation>记录：%1。</translation>
    </message>
    <message>
        <source>The reference stars were not found where the template puts them. Double click the pole star and match the template again.</source>
        <translation>在模板所示位置未找到参考星。请双击极星并重新匹配模板。</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>询问</translation>
    </message>
    <message>
        <source>Would you like to use the axis center saved the last time you used Orvanta?</source>
        <translation>是否使用上次使用 Orvanta 时记录的“轴心位置”？</translation>
    </message>
    <message>
        <source>Is the setup finished?</source>
        <translation>设置完成了吗？</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Does the template match?</source>
        <translation>匹配成功了吗？</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Rotate your mount&apos;s RA axis in the direction of the arrow at the top of the image, by at least 30 degrees.</source>
        <translation>按屏幕顶部箭头所示方向旋转赤道仪的赤经（RA）轴（至少旋转 30 度）。</translation>
    </message>
    <message>
        <source>Is the rotation finished?</source>
        <translation>旋转完成了吗？</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous step again (step 2 of 3).</source>
        <translation>再次双击上一步选择的同一颗星（第 2 步，共 3 步）。</translation>
    </message>
    <message>
        <source>Again, rotate your mount&apos;s RA axis in the same direction by at least 30 degrees.</source>
        <translation>再次将赤经（RA）轴沿同一方向旋转至少 30 度。</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous two steps one last time (step 3 of 3).</source>
        <translation>最后一次双击前两步选择的同一颗星（第 3 步，共 3 步）。</translation>
    </message>
    <message>
        <source>Turn the RA axis back to its home position and make sure the chosen star stays on the circle while the mount turns.</source>
        <translation>将赤经（RA）轴转回初始（Home）位置——确保赤道仪转向停放（PARK）位置时，所选的星始终在圆上。</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>轴心位置正确吗？</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>Is the adjustment finished?</source>
        <translation>调整完成了吗？</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>请点击“开始监视”按钮。</translation>
    </message>
    <message>
        <source>Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle.</source>
        <translation>只用高度和方位调节螺栓，将极点方框移到轴心圆上。</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around Polaris are visible.</source>
        <translation>调整左侧参数，使北极星周围有更多星可见。</translation>
    </message>
    <message>
        <source>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>双击北极星，然后用左侧的“旋转”滑块（或方向键）旋转模板，使其与北极星周围的星对齐。</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>选择一颗北极星以外的星并在图像中双击它。请记住这颗星，后续步骤中还要再次选择它（第 1 步，共 3 步）。</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>目标位置：双击北极星，然后用左侧的“旋转”滑块（或方向键）旋转模板，使其与北极星周围的星对齐。</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move Polaris into the center of the small turning circle on the image.</source>
        <translation>使用高度和方位调节螺栓，将北极星移到图像上显示的旋转小圆中心。</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>当前位置：双击北极星，然后用左侧的“旋转”滑块（或方向键）旋转模板，使其与北极星周围的星对齐。</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around σ Oct are visible.</source>
        <translation>调整左侧参数，使σ Oct周围有更多星可见。</translation>
    </message>
    <message>
        <source>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the Southern Cross, extended four and a half times, ends near the pole (chart in the manual).</source>
        <translation>双击σ Oct，然后用左侧的“旋转”滑块（或方向键）旋转模板，使其与σ Oct周围的星对齐。寻找方法：将南十字座的长轴延长四倍半，即到达南天极附近（见手册中的星图）。</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>选择一颗σ Oct以外的星并在图像中双击它。请记住这颗星，后续步骤中还要再次选择它（第 1 步，共 3 步）。</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>目标位置：双击σ Oct，然后用左侧的“旋转”滑块（或方向键）旋转模板，使其与σ Oct周围的星对齐。</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move σ Oct into the center of the small turning circle on the image.</source>
        <translation>使用高度和方位调节螺栓，将σ Oct移到图像上显示的旋转小圆中心。</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>当前位置：双击σ Oct，然后用左侧的“旋转”滑块（或方向键）旋转模板，使其与σ Oct周围的星对齐。</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>夜间模式</translation>
    </message>
    <message>
        <source>The manual is not installed with Orvanta.</source>
        <translation>Orvanta 的手册未安装。</translation>
    </message>
    <message>
        <source>The picture as shown</source>
        <translation>屏幕上显示的图像</translation>
    </message>
    <message>
        <source>The camera frame with marks</source>
        <translation>带标记的相机完整画面</translation>
    </message>
    <message>
        <source>The camera frame without marks</source>
        <translation>不带标记的相机完整画面</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1.
Orvanta runs on without a camera.</source>
        <translation>无法使用相机：%1。
Orvanta 将在没有相机的情况下继续运行。</translation>
    </message>
    <message>
        <source>Waiting for the camera...</source>
        <translation>正在等待相机...</translation>
    </message>
    <message>
        <source>The camera does not answer and stays busy; try Disconnect again later.</source>
        <translation>相机没有响应，仍处于占用状态；请稍后再次尝试断开。</translation>
    </message>
    <message>
        <source>Target: true pole</source>
        <translation>目标：真天极</translation>
    </message>
    <message>
        <source>Target: refracted pole</source>
        <translation>目标：受大气折射的天极</translation>
    </message>
    <message>
        <source>Polar error: reference stars not measured</source>
        <translation>极轴误差：参考星未测得</translation>
    </message>
    <message>
        <source>lower the polar axis</source>
        <translation>降低极轴</translation>
    </message>
    <message>
        <source>raise the polar axis</source>
        <translation>抬高极轴</translation>
    </message>
    <message>
        <source>turn left (east)</source>
        <translation>向左转（东）</translation>
    </message>
    <message>
        <source>turn left (west)</source>
        <translation>向左转（西）</translation>
    </message>
    <message>
        <source>turn right (west)</source>
        <translation>向右转（西）</translation>
    </message>
    <message>
        <source>turn right (east)</source>
        <translation>向右转（东）</translation>
    </message>
    <message>
        <source>Polar error: %1&apos;</source>
        <translation>极轴误差：%1&apos;</translation>
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
        <translation>极点跟踪</translation>
    </message>
    <message>
        <source>If the pole was lost after a GOTO slew, turn the dial by the slew&apos;s RA angle to find it again.</source>
        <translation>如果 GOTO 转动后丢失了极点，请将旋钮转过该次转动的赤经角度，即可重新找到它。</translation>
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
        <translation>重置</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
